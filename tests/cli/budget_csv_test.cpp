// One run's level budget as CSV: a row for each of the four band edges and
// nothing more, with the figures the text table shows.

#include <QTest>

#include "tests/cli/run_cli.h"

class BudgetCsvTest : public QObject {
    Q_OBJECT

  private slots:
    // 20 dBmV through the 8-port hub (0 dB at 55 MHz, 15 dB at 550 and 860)
    // over 45 m of Cat6, which loses 14.37, 51.76 and 67.65 dB per 100 m there;
    // windows 0 to 15 (analog) and -12 to 15 (digital).
    void has_a_row_for_each_band_edge() {
        const Outcome outcome = runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6",
                                        "--length", "45m", "--format", "csv"});
        QCOMPARE(outcome.status, 0);
        const QStringList sections = outcome.out.split("\n\n");
        QVERIFY(sections.size() > 2);
        QCOMPARE(sections[1].split('\n').mid(1),
                 (QStringList{"analog low edge,55,20.00,14.37,13.53,13.53,1.47",
                              "analog high edge,550,35.00,51.76,11.71,11.71,3.29",
                              "digital low edge,550,35.00,51.76,11.71,23.71,3.29",
                              "digital high edge,860,35.00,67.65,4.56,16.56,10.44"}));
    }
};

QTEST_GUILESS_MAIN(BudgetCsvTest)
#include "budget_csv_test.moc"
