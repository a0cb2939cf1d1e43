// A level typed with a plus in its exponent is the number it says.

#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui::testing;

namespace {

QStringList resultsFor(TextBox box, const QString& text) {
    MainWindowHarness main;
    main.click(main.ui().OptionCustomMax);
    main.type(box, text);
    main.click(main.ui().Calculate);
    return main.messages.isEmpty() ? main.results() : main.messages;
}

}  // namespace

class ExplicitExponentTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void reads_as_the_same_level_without_it_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("withPlus");
        QTest::addColumn<QString>("plain");
        QTest::newRow("input level 1e+1 is 10") << int(TextBox::Pin) << "1e+1"
                                                << "10";
        QTest::newRow("analog maximum 1.5E+1 is 15") << int(TextBox::PmaxAnalog) << "1.5E+1"
                                                     << "15";
    }

    void reads_as_the_same_level_without_it() {
        QFETCH(int, box);
        QFETCH(QString, withPlus);
        QFETCH(QString, plain);
        const QStringList expected = resultsFor(TextBox(box), plain);
        QCOMPARE(expected.size(), 12);
        QCOMPARE(resultsFor(TextBox(box), withPlus), expected);
    }
};

QTEST_MAIN(ExplicitExponentTest)
#include "explicit_exponent_test.moc"
