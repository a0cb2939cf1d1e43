// A level written with a plus in its exponent is the number it says.

#include <QTest>

#include "tests/cli/run_cli.h"

class ExplicitExponentTest : public QObject {
    Q_OBJECT

  private slots:
    void reads_as_the_same_level_without_it_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("withPlus");
        QTest::addColumn<QString>("plain");
        QTest::newRow("input level 1e+1 is 10") << "--pin"
                                                << "1e+1"
                                                << "10";
        QTest::newRow("receiver maximum 1.5E+1 is 15") << "--pmax-analog"
                                                       << "1.5E+1"
                                                       << "15";
    }

    void reads_as_the_same_level_without_it() {
        QFETCH(QString, option);
        QFETCH(QString, withPlus);
        QFETCH(QString, plain);
        const QStringList common{"--product", "8-port", "--cable", "cat6", "--length", "45m"};
        const Outcome expected = runCli(QStringList{option, plain} + common);
        const Outcome outcome = runCli(QStringList{option, withPlus} + common);
        QCOMPARE(expected.err, QString());
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.status, expected.status);
        QCOMPARE(outcome.out, expected.out);
    }
};

QTEST_GUILESS_MAIN(ExplicitExponentTest)
#include "explicit_exponent_test.moc"
