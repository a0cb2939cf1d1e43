#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "main_layout.h"
#include "offscreen_fixture.h"
#include "qt_text.h"

using namespace Module1;
using namespace Module1::testing;

namespace {

QString captionOf(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return frame->title();
    }
    return {};
}

// The colour most pixels of a picture have.
QColor mainColour(const QImage& picture) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    return QColor(std::max_element(counts.cbegin(), counts.cend()).key());
}

}  // namespace

class MainLayoutTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void every_control_stands_where_the_table_puts_it() {
        MainWindowHarness main;
        QCOMPARE(main.window.centralWidget()->size(), QSize(727, 462));
        for (const ControlSpec& row : mainWindowControls()) {
            const QString name = toQString(row.name);
            auto* widget = main.control(name);
            const QString container = row.container.empty() ? "client" : toQString(row.container);
            QCOMPARE(widget->parentWidget()->objectName(), container);
            QCOMPARE(widget->geometry(), row.rect.toPixels());
            QCOMPARE(widget->property("kindName").toString(), QString(kindName(row.kind)));
            QCOMPARE(widget->property("Tag").toString(), QString());
            QCOMPARE(widget->font().family(), toQString(row.font.family));
            QCOMPARE(widget->font().pointSizeF(), row.font.points);
            QCOMPARE(widget->font().bold(), row.font.bold);
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(name));
            if (row.kind != ControlKind::TextBox && row.kind != ControlKind::ComboBox) {
                QCOMPARE(captionOf(*widget), toQString(row.caption));
            }
        }
    }

    void pictures_are_their_natural_size() {
        MainWindowHarness main;
        QCOMPARE(main.control<QLabel>("Image1")->pixmap().size(), QSize(170, 36));
        auto* go = main.control<QPushButton>("Calculate");
        QCOMPARE(go->iconSize(), QSize(56, 36));
        QVERIFY(go->text().isEmpty());
        QVERIFY(!go->isDefault());
        QVERIFY(!go->autoDefault());
        QCOMPARE(go->palette().color(QPalette::Button), QColor(255, 255, 192));
    }

    void go_button_face_is_light_yellow_pressed_or_focused() {
        MainWindowHarness main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        auto* go = main.control<QPushButton>("Calculate");
        const QColor lightYellow(255, 255, 192);
        const QImage plain = go->grab().toImage();
        QCOMPARE(mainColour(plain), lightYellow);

        QTest::keyClick(main.control("Combo_ProductConfig"), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(go->hasFocus());
        const QImage focused = go->grab().toImage();
        QCOMPARE(mainColour(focused), lightYellow);
        QVERIFY(focused != plain);

        QTest::keyPress(go, Qt::Key_Space);
        const QImage pressed = go->grab().toImage();
        QCOMPARE(mainColour(pressed), lightYellow);
        QVERIFY(pressed != focused);
        QCOMPARE(main.results(), QStringList(12, QString()));
        QTest::keyRelease(go, Qt::Key_Space);
        QCOMPARE(main.field("MaxDistanceDigitalM")->text(), "12.13");
    }

    void frequency_plan_captions_keep_their_spacing() {
        MainWindowHarness main;
        const QString plan1 = main.control<QRadioButton>("OptionFrequency1")->text();
        QCOMPARE(plan1.size(), 55);
        QCOMPARE(plan1, QString(14, ' ') + "55-450 MHz" + QString(10, ' ') + "-" + QString(9, ' ') +
                            "450-860 MHz");
    }

    void tab_order_follows_the_tab_indexes() {
        MainWindowHarness main;
        main.click("OptionCustomMin");
        main.click("OptionCustomMax");
        const QStringList expected{
            "Combo_ProductConfig",  "Pin",
            "PminAnalog",           "PminDigital",
            "PmaxAnalog",           "PmaxDigital",
            "OptionDocsysMin",      "OptionCustomMin",
            "OptionDocsysMax",      "OptionCustomMax",
            "Combo_CableType",      "OptionFrequency1",
            "OptionFrequency2",     "MinDistanceAnalogFt",
            "MinDistanceAnalogM",   "MaxDistanceAnalogM",
            "MaxDistanceAnalogFt",  "MinDistanceDigitalM",
            "MinDistanceDigitalFt", "MaxDistanceDigitalM",
            "MaxDistanceDigitalFt", "MinWorstCaseM",
            "MinWorstCaseFt",       "MaxWorstCaseM",
            "MaxWorstCaseFt",       "Calculate",
        };
        QStringList chain;
        QWidget* widget = main.control("Combo_ProductConfig");
        while (chain.size() < expected.size()) {
            if (expected.contains(widget->objectName())) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
    }

    void inputs_options_and_results_have_spoken_names() {
        MainWindowHarness main;
        for (const ControlSpec& row : mainWindowControls()) {
            const bool spoken =
                row.kind == ControlKind::TextBox || row.kind == ControlKind::ComboBox ||
                row.kind == ControlKind::OptionButton || row.kind == ControlKind::CommandButton;
            if (spoken) {
                QVERIFY2(!main.control(toQString(row.name))->accessibleName().isEmpty(),
                         row.name.data());
            }
        }
        QCOMPARE(main.control("Calculate")->accessibleName(), "Calculate");
        QCOMPARE(main.field("Pin")->accessibleName(), "Input Signal Strength (dBmV)");
        QCOMPARE(main.field("MinDistanceAnalogFt")->accessibleName(),
                 "Minimum distance, analog channels, feet");
        QCOMPARE(main.control<QLabel>("Label2")->buddy(), main.field("Pin"));
        QCOMPARE(main.control<QLabel>("Label29")->buddy(), main.field("PmaxDigital"));
        QCOMPARE(main.control<QLabel>("Label2")->text(), "Input Signal Strength (dBmV)");
    }

    void the_window_cannot_be_resized() {
        MainWindowHarness main;
        QCOMPARE(main.window.minimumSize(), main.window.maximumSize());
        const Qt::WindowFlags flags = main.window.windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    }
};

QTEST_MAIN(MainLayoutTest)
#include "main_layout_test.moc"
