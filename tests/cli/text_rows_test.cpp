// What a run's row on the terminal tells: the edge that fails, and columns
// that line up whatever letters the identifier is written in.

#include <QTest>

#include "tests/cli/run_cli.h"

class TextRowsTest : public QObject {
    Q_OBJECT

  private slots:
    // -5 dBmV through the 8-port hub (no gain at 55 MHz, 15 dB from 450 MHz)
    // over 10 m of Cat6, which loses 14.37 dB per 100 m at 55 MHz: -6.44 dBmV
    // arrive at 55 MHz, under the analog minimum of 0; 550 MHz arrives at
    // -5 + 15 - 5.18 = 4.82 and 860 MHz at -5 + 15 - 6.77 = 3.24, both inside.
    void a_failing_run_names_the_edge_that_fails() {
        const Outcome outcome =
            runCli({"--pin", "-5", "--product", "8-port", "--cable", "cat6", "--length", "10m"});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.out.contains("analog low edge (55 MHz): 6.44 dB below the minimum"),
                 qPrintable(outcome.out));
    }

    void columns_line_up_after_letters_beyond_ascii() {
        const Outcome outcome =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", "-"},
                   QString("Cafe,45m\nCaf\u00e9,45m\n\u03a9 \u00e9t\u00e9,45m\n").toUtf8());
        QCOMPARE(outcome.status, 0);
        const QStringList rows = outcome.out.split('\n');
        QVERIFY(rows.size() > 3);
        for (int row = 1; row < 3; ++row) {
            QCOMPARE(rows[row].indexOf(" ft"), rows[0].indexOf(" ft"));
        }
    }
};

QTEST_GUILESS_MAIN(TextRowsTest)
#include "text_rows_test.moc"
