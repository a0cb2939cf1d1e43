#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "engine/calculation_run.h"
#include "tests/ui/offscreen_fixture.h"
#include "ui/main/message_box.h"

using namespace Module1::testing;

namespace {

const QString kWarning =
    QString::fromUtf8(tarvelle::kBandWarning.data(), tarvelle::kBandWarning.size());

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void opens_ready_to_use() {
        MainWindowHarness main;
        auto* products = main.control<QComboBox>("Combo_ProductConfig");
        QCOMPARE(products->count(), 3);
        QCOMPARE(products->itemText(1), "Vidra Hub 8-Port (281640) to Vidra Balun (281657)");
        QCOMPARE(products->itemText(2), "Vidra Hub 16-port (281662) to Vidra Balun (281657)");
        QCOMPARE(products->currentIndex(), 0);
        QVERIFY(!products->isEditable());
        auto* cables = main.control<QComboBox>("Combo_CableType");
        QCOMPARE(cables->count(), 3);
        QCOMPARE(cables->itemText(2), "Cat6A/Cat7");
        QCOMPARE(cables->currentIndex(), 0);
        QVERIFY(!cables->isEditable());

        QVERIFY(main.control<QRadioButton>("OptionDocsysMin")->isChecked());
        QVERIFY(main.control<QRadioButton>("OptionDocsysMax")->isChecked());
        QVERIFY(!main.control<QRadioButton>("OptionCustomMin")->isChecked());
        QVERIFY(!main.control<QRadioButton>("OptionCustomMax")->isChecked());
        QVERIFY(main.control<QRadioButton>("OptionFrequency2")->isChecked());
        QVERIFY(!main.control<QRadioButton>("OptionFrequency1")->isChecked());
        const QStringList levels{"PminAnalog", "PminDigital", "PmaxAnalog", "PmaxDigital"};
        const QStringList presets{"0", "-12", "15", "15"};
        for (int i = 0; i < levels.size(); ++i) {
            QCOMPARE(main.field(levels[i])->text(), presets[i]);
            QVERIFY(!main.field(levels[i])->isEnabled());
        }
        QCOMPARE(main.field("Pin")->text(), "0");
        QVERIFY(main.field("Pin")->isEnabled());
        QCOMPARE(main.results(), QStringList(12, QString()));
        QCOMPARE(main.window.focusWidget(), products);
        QCOMPARE(main.window.windowTitle(), "Tarvelle");
        QCOMPARE(main.control<QMenu>("mnuHelp")->title(), "&Help");
        QCOMPARE(main.window.findChild<QAction*>("mnuHelpAbout")->text(), "&About ");
        QVERIFY(main.messages.isEmpty());
    }

    void calculates_at_once_with_the_presets() {
        MainWindowHarness main;
        main.click("Calculate");
        // 0 dBmV through the balun pair: only the digital band has room, 12.13 m at 860 MHz.
        QCOMPARE(main.results(), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                                              "39.81", "12.13", "0.00", "0.00", "0.00", "0.00"}));
        QVERIFY(main.messages.isEmpty());
    }

    void custom_and_preset_switch_one_group_only() {
        MainWindowHarness main;
        main.click("OptionCustomMin");
        QVERIFY(main.field("PminAnalog")->isEnabled());
        QVERIFY(main.field("PminDigital")->isEnabled());
        QCOMPARE(main.field("PminAnalog")->text(), "0");
        QCOMPARE(main.field("PminDigital")->text(), "-12");
        QVERIFY(!main.field("PmaxAnalog")->isEnabled());
        QVERIFY(main.control<QRadioButton>("OptionDocsysMax")->isChecked());
        QVERIFY(main.control<QRadioButton>("OptionFrequency2")->isChecked());

        main.click("OptionCustomMax");
        main.setText("PminAnalog", "3");
        main.setText("PmaxDigital", "9");
        main.click("OptionDocsysMin");
        QCOMPARE(main.field("PminAnalog")->text(), "0");
        QVERIFY(!main.field("PminAnalog")->isEnabled());
        QVERIFY(!main.field("PminDigital")->isEnabled());
        QCOMPARE(main.field("PmaxDigital")->text(), "9");
        QVERIFY(main.field("PmaxDigital")->isEnabled());
        QVERIFY(main.control<QRadioButton>("OptionCustomMax")->isChecked());

        main.click("OptionDocsysMax");
        QCOMPARE(main.field("PmaxDigital")->text(), "15");
        QVERIFY(!main.field("PmaxDigital")->isEnabled());
    }

    void validation_failure_empties_and_focuses_the_field() {
        MainWindowHarness main;
        main.click("Calculate");
        const QStringList before = main.results();
        main.click("OptionCustomMax");
        main.setText("Pin", "12abc");
        main.setText("PmaxAnalog", "x");
        main.click("Calculate");
        QCOMPARE(main.messages, QStringList{"ERROR: Input Signal Strength must be a valid number"});
        QCOMPARE(main.field("Pin")->text(), QString());
        QCOMPARE(main.window.focusWidget(), main.field("Pin"));
        QCOMPARE(main.field("PmaxAnalog")->text(), "x");
        QCOMPARE(main.results(), before);
    }

    void worked_examples_data() {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QStringList>(
            "levels");  // min analog, min digital, max analog, max digital
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("cable");
        QTest::addColumn<int>("plan");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("warns");

        QTest::newRow("balun, Cat5/5e, plan 2: analog band crossed")
            << "30" << QStringList{"0", "-12", "15", "15"} << 0 << 0 << 2
            << QStringList{"299.96", "91.43", "155.16", "47.29", "71.44",  "21.78",
                           "166.87", "50.86", "299.96", "91.43", "155.16", "47.29"}
            << true;
        QTest::newRow("8-port hub, Cat6, plan 2: in order")
            << "20" << QStringList{"0", "-12", "15", "15"} << 1 << 1 << 2
            << QStringList{"126.77", "38.64", "221.85", "67.62", "126.77", "38.64",
                           "227.94", "69.48", "126.77", "38.64", "221.85", "67.62"}
            << false;
        QTest::newRow("plan 1: worst case crossed, bands in order")
            << "0" << QStringList{"-10", "-20", "0", "-12"} << 0 << 0 << 1
            << QStringList{"0.00",  "0.00",  "54.18", "16.51", "66.78", "20.35",
                           "73.69", "22.46", "66.78", "20.35", "54.18", "16.51"}
            << false;
    }

    void worked_examples() {
        QFETCH(QString, pin);
        QFETCH(QStringList, levels);
        QFETCH(int, product);
        QFETCH(int, cable);
        QFETCH(int, plan);
        QFETCH(QStringList, expected);
        QFETCH(bool, warns);

        MainWindowHarness main;
        main.click("OptionCustomMin");
        main.click("OptionCustomMax");
        main.setText("Pin", pin);
        main.setText("PminAnalog", levels[0]);
        main.setText("PminDigital", levels[1]);
        main.setText("PmaxAnalog", levels[2]);
        main.setText("PmaxDigital", levels[3]);
        main.control<QComboBox>("Combo_ProductConfig")->setCurrentIndex(product);
        main.control<QComboBox>("Combo_CableType")->setCurrentIndex(cable);
        main.click(plan == 1 ? "OptionFrequency1" : "OptionFrequency2");
        main.click("Calculate");

        QCOMPARE(main.results(), expected);
        QCOMPARE(main.messages, warns ? QStringList{kWarning} : QStringList{});
    }

    void shows_results_with_the_locales_decimal_comma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindowHarness main;
        main.setText("Pin", "30,0");
        main.click("Calculate");
        QCOMPARE(main.field("MinDistanceAnalogM")->text(), "91,43");
        QCOMPARE(main.field("MaxDistanceAnalogFt")->text(), "155,16");
    }

    void an_arithmetic_fault_is_reported_and_the_program_goes_on() {
        MainWindowHarness main;
        main.setText("Pin", "30");
        main.click("Calculate");
        const QStringList before = main.results();
        main.messages.clear();

        main.click("OptionCustomMax");
        main.setText("Pin", "1e308");
        main.setText("PmaxAnalog", "-1e308");
        main.click("Calculate");
        QCOMPARE(main.messages, QStringList{"Run-time error: Overflow"});
        QCOMPARE(main.results(), before);

        main.messages.clear();
        main.setText("Pin", "30");
        main.setText("PmaxAnalog", "15");
        main.click("Calculate");
        QCOMPARE(main.results(), before);
        QCOMPARE(main.messages, QStringList{kWarning});
    }

    void enter_in_a_field_does_not_calculate() {
        MainWindowHarness main;
        main.field("Pin")->setFocus();
        QTest::keyClick(main.field("Pin"), Qt::Key_Return);
        QCOMPARE(main.results(), QStringList(12, QString()));
    }

    void message_boxes_have_ok_only_no_icon_and_the_title() {
        QWidget parent;
        const auto box = Module1::makeMessageBox(&parent, "text");
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->windowTitle(), "Tarvelle");
        QCOMPARE(box->text(), "text");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
