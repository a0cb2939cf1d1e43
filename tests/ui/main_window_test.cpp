#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "engine/calculation_run.h"
#include "tests/ui/offscreen_fixture.h"
#include "ui/main/message_box.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

namespace {

using tarvelle::testdata::Inputs;

const QString kWarning =
    QString::fromUtf8(tarvelle::kBandWarning.data(), tarvelle::kBandWarning.size());

// A user picks entries of the two lists and one of the two plans, nothing else.
bool canBeEntered(const Inputs& in, const MainWindowHarness& main) {
    const auto inList = [](int index, const QComboBox* list) {
        return index >= 0 && index < list->count();
    };
    return inList(in.product, main.ui().Combo_ProductConfig) &&
           inList(in.cable, main.ui().Combo_CableType) && (in.plan == 1 || in.plan == 2);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void opens_ready_to_use() {
        MainWindowHarness main;
        auto* products = main.ui().Combo_ProductConfig;
        QCOMPARE(products->count(), 3);
        QCOMPARE(products->itemText(1), "Vidra Hub 8-Port (281640) to Vidra Balun (281657)");
        QCOMPARE(products->itemText(2), "Vidra Hub 16-port (281662) to Vidra Balun (281657)");
        QCOMPARE(products->currentIndex(), 0);
        QVERIFY(!products->isEditable());
        auto* cables = main.ui().Combo_CableType;
        QCOMPARE(cables->count(), 3);
        QCOMPARE(cables->itemText(2), "Cat6A/Cat7");
        QCOMPARE(cables->currentIndex(), 0);
        QVERIFY(!cables->isEditable());

        QVERIFY(main.ui().OptionDocsysMin->isChecked());
        QVERIFY(main.ui().OptionDocsysMax->isChecked());
        QVERIFY(!main.ui().OptionCustomMin->isChecked());
        QVERIFY(!main.ui().OptionCustomMax->isChecked());
        QVERIFY(main.ui().OptionFrequency2->isChecked());
        QVERIFY(!main.ui().OptionFrequency1->isChecked());
        const QList<TextBox> levels{TextBox::PminAnalog, TextBox::PminDigital, TextBox::PmaxAnalog,
                                    TextBox::PmaxDigital};
        const QStringList presets{"0", "-12", "15", "15"};
        for (int i = 0; i < levels.size(); ++i) {
            QCOMPARE(main.field(levels[i])->text(), presets[i]);
            QVERIFY(!main.field(levels[i])->isEnabled());
        }
        QCOMPARE(main.field(TextBox::Pin)->text(), "0");
        QVERIFY(main.field(TextBox::Pin)->isEnabled());
        QCOMPARE(main.results(), QStringList(12, QString()));
        QCOMPARE(main.window.focusWidget(), products);
        QCOMPARE(main.window.windowTitle(), "Tarvelle");
        // The title bar's small icon is the emblem drawn for 16 x 16, not the 32 shrunk.
        // Premultiplied: clear pixels compare equal, whatever colour they keep.
        constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;
        QCOMPARE(main.window.windowIcon().pixmap(16, 16).toImage().convertToFormat(kFormat),
                 QImage(":/pictures/emblem-16.png").convertToFormat(kFormat));
        QCOMPARE(main.ui().mnuHelp->title(), "&Help");
        QCOMPARE(main.ui().mnuHelpAbout->text(), "&About ");
        QVERIFY(main.messages.isEmpty());
    }

    void calculates_at_once_with_the_presets() {
        MainWindowHarness main;
        main.click(main.ui().Calculate);
        // 0 dBmV through the balun pair: only the digital band has room, 12.13 m at 860 MHz.
        QCOMPARE(main.results(), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                                              "39.81", "12.13", "0.00", "0.00", "0.00", "0.00"}));
        QVERIFY(main.messages.isEmpty());
    }

    void custom_and_preset_switch_one_group_only() {
        MainWindowHarness main;
        main.click(main.ui().OptionCustomMin);
        QVERIFY(main.field(TextBox::PminAnalog)->isEnabled());
        QVERIFY(main.field(TextBox::PminDigital)->isEnabled());
        QCOMPARE(main.field(TextBox::PminAnalog)->text(), "0");
        QCOMPARE(main.field(TextBox::PminDigital)->text(), "-12");
        QVERIFY(!main.field(TextBox::PmaxAnalog)->isEnabled());
        QVERIFY(main.ui().OptionDocsysMax->isChecked());
        QVERIFY(main.ui().OptionFrequency2->isChecked());

        main.click(main.ui().OptionCustomMax);
        main.setText(TextBox::PminAnalog, "3");
        main.setText(TextBox::PmaxDigital, "9");
        main.click(main.ui().OptionDocsysMin);
        QCOMPARE(main.field(TextBox::PminAnalog)->text(), "0");
        QVERIFY(!main.field(TextBox::PminAnalog)->isEnabled());
        QVERIFY(!main.field(TextBox::PminDigital)->isEnabled());
        QCOMPARE(main.field(TextBox::PmaxDigital)->text(), "9");
        QVERIFY(main.field(TextBox::PmaxDigital)->isEnabled());
        QVERIFY(main.ui().OptionCustomMax->isChecked());

        main.click(main.ui().OptionDocsysMax);
        QCOMPARE(main.field(TextBox::PmaxDigital)->text(), "15");
        QVERIFY(!main.field(TextBox::PmaxDigital)->isEnabled());
    }

    void validation_failure_empties_and_focuses_the_field() {
        MainWindowHarness main;
        main.click(main.ui().Calculate);
        const QStringList before = main.results();
        main.click(main.ui().OptionCustomMax);
        main.setText(TextBox::Pin, "12abc");
        main.setText(TextBox::PmaxAnalog, "x");
        main.click(main.ui().Calculate);
        QCOMPARE(main.messages, QStringList{"ERROR: Input Signal Strength must be a valid number"});
        QCOMPARE(main.field(TextBox::Pin)->text(), QString());
        QCOMPARE(main.window.focusWidget(), main.field(TextBox::Pin));
        QCOMPARE(main.field(TextBox::PmaxAnalog)->text(), "x");
        QCOMPARE(main.results(), before);
    }

    void worked_examples_data() {
        QTest::addColumn<std::size_t>("row");
        const auto& rows = workedExamples();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            QTest::newRow(rows[row].name.c_str()) << row;
        }
    }

    // Entered as a user does: custom levels typed in, entries picked from the
    // lists, the plan and GO! clicked.
    void worked_examples() {
        QFETCH(std::size_t, row);
        const WorkedExample& example = workedExamples()[row];
        const auto& in = example.inputs;
        MainWindowHarness main;
        if (!canBeEntered(in, main)) {
            QSKIP("no list entry or plan option gives these inputs; the engine's tests run them");
        }
        main.click(main.ui().OptionCustomMin);
        main.click(main.ui().OptionCustomMax);
        main.type(TextBox::Pin, toText(in.levels.pin));
        main.type(TextBox::PminAnalog, toText(in.levels.pminAnalog));
        main.type(TextBox::PminDigital, toText(in.levels.pminDigital));
        main.type(TextBox::PmaxAnalog, toText(in.levels.pmaxAnalog));
        main.type(TextBox::PmaxDigital, toText(in.levels.pmaxDigital));
        main.choose(main.ui().Combo_ProductConfig, in.product);
        main.choose(main.ui().Combo_CableType, in.cable);
        main.click(in.plan == 1 ? main.ui().OptionFrequency1 : main.ui().OptionFrequency2);
        main.click(main.ui().Calculate);

        QCOMPARE(main.results(), expectedResults(example));
        QCOMPARE(main.messages, example.warns ? QStringList{kWarning} : QStringList{});
    }

    void shows_results_with_the_locales_decimal_comma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // 30 dBmV with the presets, the first product, cable and the second plan.
        const WorkedExample& example = workedExample("balun_cat5e_plan2_analog_crossed");
        MainWindowHarness main;
        main.type(TextBox::Pin, "30,0");
        main.click(main.ui().Calculate);
        QCOMPARE(main.results(), expectedResults(example).replaceInStrings(".", ","));
    }

    void an_arithmetic_fault_is_reported_and_the_program_goes_on() {
        MainWindowHarness main;
        main.setText(TextBox::Pin, "30");
        main.click(main.ui().Calculate);
        const QStringList before = main.results();
        main.messages.clear();

        main.click(main.ui().OptionCustomMax);
        main.setText(TextBox::Pin, "1e308");
        main.setText(TextBox::PmaxAnalog, "-1e308");
        main.click(main.ui().Calculate);
        QCOMPARE(main.messages, QStringList{"Run-time error: Overflow"});
        QCOMPARE(main.results(), before);

        main.messages.clear();
        main.setText(TextBox::Pin, "30");
        main.setText(TextBox::PmaxAnalog, "15");
        main.click(main.ui().Calculate);
        QCOMPARE(main.results(), before);
        QCOMPARE(main.messages, QStringList{kWarning});
    }

    void enter_in_a_field_does_not_calculate() {
        MainWindowHarness main;
        QTest::mouseClick(main.field(TextBox::Pin), Qt::LeftButton);
        QTest::keyClick(main.field(TextBox::Pin), Qt::Key_Return);
        QCOMPARE(main.results(), QStringList(12, QString()));
    }

    void message_boxes_have_ok_only_no_icon_and_the_title() {
        QWidget parent;
        const auto box = tarvelle::ui::makeMessageBox(&parent, "text");
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->windowTitle(), "Tarvelle");
        QCOMPARE(box->text(), "text");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
