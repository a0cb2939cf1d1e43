#include "tests/ui/offscreen_fixture.h"

using namespace Module1::testing;

namespace {

// A level group's first option is its preset and its second the custom one.
struct Group {
    QString first;
    QString second;
    QStringList fields;   // analog, digital; none for the frequency plan
    QStringList presets;  // the texts the preset option puts into them
};

const QList<Group> kGroups{
    {"OptionDocsysMin", "OptionCustomMin", {"PminAnalog", "PminDigital"}, {"0", "-12"}},
    {"OptionDocsysMax", "OptionCustomMax", {"PmaxAnalog", "PmaxDigital"}, {"15", "15"}},
    {"OptionFrequency1", "OptionFrequency2", {}, {}},
};

const QStringList kResultsInTabOrder{
    "MinDistanceAnalogFt", "MinDistanceAnalogM",   "MaxDistanceAnalogM",  "MaxDistanceAnalogFt",
    "MinDistanceDigitalM", "MinDistanceDigitalFt", "MaxDistanceDigitalM", "MaxDistanceDigitalFt",
    "MinWorstCaseM",       "MinWorstCaseFt",       "MaxWorstCaseM",       "MaxWorstCaseFt",
};

QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget->objectName() : QString();
}

// A key as the keyboard sends it: to the control with the focus.
void press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// What is wrong with the groups: one without exactly one option selected,
// or level fields that do not match the selected option. Empty when nothing is.
QString fault(MainWindowHarness& main) {
    for (const Group& group : kGroups) {
        const bool first = main.control<QRadioButton>(group.first)->isChecked();
        const bool second = main.control<QRadioButton>(group.second)->isChecked();
        if (first == second) {
            return group.first + " and " + group.second + (first ? ": both" : ": neither");
        }
        for (int i = 0; i < group.fields.size(); ++i) {
            const QLineEdit* field = main.field(group.fields[i]);
            if (field->isEnabled() != second || (first && field->text() != group.presets[i])) {
                return group.fields[i] + " does not match its option";
            }
        }
    }
    return {};
}

QStringList selection(MainWindowHarness& main) {
    QStringList selected;
    for (const Group& group : kGroups) {
        const bool first = main.control<QRadioButton>(group.first)->isChecked();
        selected << (first ? group.first : group.second);
    }
    return selected;
}

// Every stop Tab (or Shift+Tab) makes until the focus is back where it
// started, beginning with Combo_ProductConfig.
QStringList tabCycle(Qt::KeyboardModifiers modifiers) {
    const QString start = focused();
    QStringList stops;
    do {
        press(Qt::Key_Tab, modifiers);
        stops << focused();
    } while (stops.last() != start && stops.size() < 40);
    const auto first = stops.indexOf("Combo_ProductConfig");
    return first < 0 ? stops : stops.mid(first) + stops.first(first);
}

}  // namespace

class OptionGroupsTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void clicks_leave_one_option_per_group_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("custom minimum")
            << QStringList{"OptionCustomMin"}
            << QStringList{"OptionCustomMin", "OptionDocsysMax", "OptionFrequency2"};
        QTest::newRow("custom minimum, then Docsys minimum twice")
            << QStringList{"OptionCustomMin", "OptionDocsysMin", "OptionDocsysMin"}
            << QStringList{"OptionDocsysMin", "OptionDocsysMax", "OptionFrequency2"};
        QTest::newRow("custom maximum, then Docsys minimum")
            << QStringList{"OptionCustomMax", "OptionDocsysMin"}
            << QStringList{"OptionDocsysMin", "OptionCustomMax", "OptionFrequency2"};
        QTest::newRow("first plan between the level groups")
            << QStringList{"OptionCustomMin", "OptionFrequency1", "OptionCustomMax"}
            << QStringList{"OptionCustomMin", "OptionCustomMax", "OptionFrequency1"};
        QTest::newRow("long mixed run")
            << QStringList{"OptionCustomMax",  "OptionFrequency1", "OptionCustomMin",
                           "OptionDocsysMax",  "OptionFrequency2", "OptionFrequency1",
                           "OptionDocsysMin",  "OptionCustomMax",  "OptionCustomMax",
                           "OptionFrequency1", "OptionCustomMin"}
            << QStringList{"OptionCustomMin", "OptionCustomMax", "OptionFrequency1"};
        QTest::newRow("every option twice, in window order")
            << QStringList{"OptionDocsysMin",  "OptionDocsysMin",  "OptionCustomMin",
                           "OptionCustomMin",  "OptionDocsysMax",  "OptionDocsysMax",
                           "OptionCustomMax",  "OptionCustomMax",  "OptionFrequency1",
                           "OptionFrequency1", "OptionFrequency2", "OptionFrequency2"}
            << QStringList{"OptionCustomMin", "OptionCustomMax", "OptionFrequency2"};
    }

    void clicks_leave_one_option_per_group() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, selected);
        MainWindowHarness main;
        for (const QString& option : clicks) {
            main.click(option);
            QCOMPARE(fault(main), QString());
        }
        QCOMPARE(selection(main), selected);
    }

    void tab_enters_each_group_at_its_selection_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("presets, second plan")
            << QStringList{}
            << QStringList{"Combo_ProductConfig", "Pin",
                           "OptionDocsysMin",     "OptionDocsysMax",
                           "Combo_CableType",     "OptionFrequency2"} +
                   kResultsInTabOrder + QStringList{"Calculate"};
        QTest::newRow("custom minimum") << QStringList{"OptionCustomMin"}
                                        << QStringList{"Combo_ProductConfig", "Pin",
                                                       "PminAnalog",          "PminDigital",
                                                       "OptionCustomMin",     "OptionDocsysMax",
                                                       "Combo_CableType",     "OptionFrequency2"} +
                                               kResultsInTabOrder + QStringList{"Calculate"};
        QTest::newRow("custom levels, first plan")
            << QStringList{"OptionCustomMax", "OptionCustomMin", "OptionFrequency1"}
            << QStringList{"Combo_ProductConfig", "Pin",
                           "PminAnalog",          "PminDigital",
                           "PmaxAnalog",          "PmaxDigital",
                           "OptionCustomMin",     "OptionCustomMax",
                           "Combo_CableType",     "OptionFrequency1"} +
                   kResultsInTabOrder + QStringList{"Calculate"};
    }

    void tab_enters_each_group_at_its_selection() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, stops);
        MainWindowHarness main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        QCOMPARE(focused(), "Combo_ProductConfig");
        for (const QString& option : clicks) {
            main.click(option);
        }
        QCOMPARE(tabCycle(Qt::NoModifier), stops);
        QStringList backwards = stops.mid(1);
        std::reverse(backwards.begin(), backwards.end());
        QCOMPARE(tabCycle(Qt::ShiftModifier), QStringList{stops.first()} + backwards);
    }

    void arrows_move_within_one_group_data() {
        QTest::addColumn<int>("tabs");  // from the start, to reach the group
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("selected");
        const QList<int> right{Qt::Key_Right}, down{Qt::Key_Down}, left{Qt::Key_Left},
            up{Qt::Key_Up};
        const QStringList customMin{"OptionCustomMin", "OptionDocsysMax", "OptionFrequency2"};
        const QStringList customMax{"OptionDocsysMin", "OptionCustomMax", "OptionFrequency2"};
        const QStringList plan1{"OptionDocsysMin", "OptionDocsysMax", "OptionFrequency1"};
        QTest::newRow("minimum, Right") << 2 << right << customMin;
        QTest::newRow("minimum, Down stays in the group") << 2 << down << customMin;
        QTest::newRow("minimum, Up wraps") << 2 << up << customMin;
        QTest::newRow("minimum, Right twice: the presets again")
            << 2 << QList<int>{Qt::Key_Right, Qt::Key_Right}
            << QStringList{"OptionDocsysMin", "OptionDocsysMax", "OptionFrequency2"};
        QTest::newRow("maximum, Left wraps") << 3 << left << customMax;
        QTest::newRow("plan, Up") << 5 << up << plan1;
        QTest::newRow("plan, Down then Up")
            << 5 << QList<int>{Qt::Key_Down, Qt::Key_Up}
            << QStringList{"OptionDocsysMin", "OptionDocsysMax", "OptionFrequency2"};
    }

    void arrows_move_within_one_group() {
        QFETCH(int, tabs);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, selected);
        MainWindowHarness main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        for (int i = 0; i < tabs; ++i) {
            press(Qt::Key_Tab);
        }
        for (const int key : keys) {
            press(key);
            QCOMPARE(fault(main), QString());
        }
        QCOMPARE(selection(main), selected);
        QVERIFY(selected.contains(focused()));
    }

    void the_keyboard_alone_runs_a_calculation() {
        MainWindowHarness main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        const auto typeInto = [](const QString& field, const QString& text) {
            QCOMPARE(focused(), field);
            press(Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), text);
        };
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Right);  // custom minimum levels
        press(Qt::Key_Tab);
        press(Qt::Key_Right);  // custom maximum levels
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        typeInto("PmaxDigital", "-12");
        press(Qt::Key_Tab, Qt::ShiftModifier);
        typeInto("PmaxAnalog", "0");
        press(Qt::Key_Tab, Qt::ShiftModifier);
        typeInto("PminDigital", "-20");
        press(Qt::Key_Tab, Qt::ShiftModifier);
        typeInto("PminAnalog", "-10");
        for (int i = 0; i < 7; ++i) {
            press(Qt::Key_Tab);
        }
        QCOMPARE(focused(), "OptionFrequency2");
        press(Qt::Key_Up);  // the first plan
        for (int i = 0; i < 13; ++i) {
            press(Qt::Key_Tab);
        }
        QCOMPARE(focused(), "Calculate");
        press(Qt::Key_Space);
        QCOMPARE(main.results(),
                 (QStringList{"0.00", "0.00", "54.18", "16.51", "66.78", "20.35", "73.69", "22.46",
                              "66.78", "20.35", "54.18", "16.51"}));
        QVERIFY(main.messages.isEmpty());

        // Down on the minimum group's Custom wraps to its Docsys: the typed
        // minimum levels give way to the presets, the maximum ones stay.
        for (int i = 0; i < 16; ++i) {
            press(Qt::Key_Tab, Qt::ShiftModifier);
        }
        QCOMPARE(focused(), "OptionCustomMin");
        press(Qt::Key_Down);
        QCOMPARE(fault(main), QString());
        QCOMPARE(selection(main),
                 (QStringList{"OptionDocsysMin", "OptionCustomMax", "OptionFrequency1"}));
        QCOMPARE(main.field("PmaxAnalog")->text(), "0");
        QCOMPARE(main.field("PmaxDigital")->text(), "-12");
    }
};

QTEST_MAIN(OptionGroupsTest)
#include "option_groups_test.moc"
