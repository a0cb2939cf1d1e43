// What a run's row tells in each format: the edge that fails, the smallest
// margin of a run that passes, the fix for one that fails; and on the
// terminal, columns that line up whatever letters the identifier is written in.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "tests/cli/run_cli.h"

namespace {

// -5 dBmV through the 8-port hub over Cat6 at 20 dBmV. Cat6 loses 14.37 dB
// per 100 m at 55 MHz, 51.76 at 550 MHz and 67.65 at 860 MHz; the hub adds
// 15 dB from 550 MHz on. A (45.72 m): 55 MHz arrives at 20 - 6.57 = 13.43,
// 1.57 under the maximum of 15, the closest of its eight margins. B (70 m):
// 550 MHz arrives at 35 - 36.23 = -1.23, below the minimum of 0; Cat6 allows
// 35 / 0.5176 = 67.62 m (221.85 ft). On Cat6A/Cat7 (47.72 dB per 100 m at
// 550 MHz) it arrives at 1.59; the 16-port hub adds only 13 dB there, and
// 33 - 33.41 is below 0. C (32 m): 550 MHz at 35 - 16.56 = 18.44, 3.44 over
// the maximum; 6 dB is the first standard pad over that.
const QByteArray kRuns = "A,45.72m\nB,70m\nC,32m\n";
const QStringList kPlan{"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", "-"};

}  // namespace

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

    void a_text_row_tells_the_margin_or_the_fix() {
        const QStringList rows = runCli(kPlan, kRuns).out.split('\n');
        QVERIFY(rows.size() > 3);
        QVERIFY2(rows[0].endsWith("PASS  1.57 dB to spare"), qPrintable(rows[0]));
        QVERIFY2(rows[1].endsWith("FAIL  analog high edge (550 MHz): 1.23 dB below the minimum; "
                                  "too long: at most 67.62 m (221.85 ft) on Cat6; it passes on "
                                  "Cat6A/Cat7"),
                 qPrintable(rows[1]));
    }

    void a_json_run_carries_the_margin_and_the_fix() {
        const QJsonArray runs =
            QJsonDocument::fromJson(runCli(kPlan + QStringList{"--format", "json"}, kRuns).rawOut)
                .object()["runs"]
                .toArray();
        QCOMPARE(runs.size(), 3);
        QCOMPARE(runs[0]["margin_db"].toDouble(), 1.57);
        QCOMPARE(runs[1]["longest_m"].toDouble(), 67.62);
        QVERIFY(runs[1]["fix"].toString().endsWith("it passes on Cat6A/Cat7"));
        QCOMPARE(runs[2]["margin_db"].toDouble(), -3.44);
        QCOMPARE(runs[2]["pad_db"].toDouble(), 6.0);
    }

    // 24 dBmV through the hub over 10 m of Cat6: 550 MHz arrives at
    // 39 - 5.18 = 33.82 dBmV, 18.82 over the maximum. A 15 dB pad is not
    // enough; the largest, 20 dB, is, and leaves 55 MHz at 24 - 1.44 - 20 =
    // 2.56, inside its window.
    void the_largest_pad_is_offered_when_it_fits() {
        const Outcome outcome = runCli(
            {"--pin", "24", "--product", "8-port", "--cable", "cat6", "--runs", "-"}, "A,10m\n");
        QVERIFY2(outcome.out.contains("too short: needs 18.82 dB of attenuation; a 20 dB pad "
                                      "brings it into the window"),
                 qPrintable(outcome.out));
    }

    // 18 dBmV through two baluns (-0.5 dB at 55 MHz, -2.2 at 550, -2.6 at 860)
    // over 0.5 m of Cat6: 55 MHz arrives at 18 - 0.5 - 0.07 = 17.43 dBmV, 2.43
    // over the maximum; behind a 3 dB pad every edge lies in its window, at
    // 0.5 m as at 0 m. Far down a file of failing runs, where a fix is looked
    // up among lengths worked out once, the short run keeps its pad.
    void a_short_run_keeps_its_pad_far_down_a_file() {
        QByteArray runs;
        for (int i = 0; i < 70; ++i) {
            runs += "r" + QByteArray::number(i) + ",0.5m\n";
        }
        const Outcome outcome =
            runCli({"--pin", "18", "--product", "balun", "--cable", "cat6", "--runs", "-"}, runs);
        QCOMPARE(outcome.out.count("too short: needs 2.43 dB of attenuation; a 3 dB pad brings it "
                                   "into the window\n"),
                 70);
    }

    // 28 dBmV through the hub over 8 m of Cat6: 550 MHz arrives at
    // 43 - 4.14 = 38.86 dBmV, 23.86 over the maximum, more than the largest
    // pad. No length works: 550 MHz falls to 15 only beyond 54.1 m, 55 MHz only
    // beyond 90.5 m, where 550 MHz is below 0. A flat 23.86 dB does: 55 MHz at
    // 28 - 1.15 - 23.86 = 2.99, 860 MHz at 43 - 5.41 - 23.86 = 13.73.
    void a_run_too_hot_for_any_length_is_told_the_attenuation() {
        const Outcome outcome = runCli(
            {"--pin", "28", "--product", "8-port", "--cable", "cat6", "--runs", "-"}, "A,8m\n");
        QVERIFY2(outcome.out.contains("too short: needs 23.86 dB of attenuation, and no standard "
                                      "pad (3, 6, 10, 12, 15 or 20 dB) fits; no length of Cat6 "
                                      "brings it into the window at this feed level"),
                 qPrintable(outcome.out));
    }

    // Plan 1 ends the analog band lower, so on the hub over Cat6 at 20 dBmV its
    // longest run is set by 860 MHz falling to -12 dBmV: 47 / 0.6765 = 69.48 m.
    void plan_one_gives_its_own_longest_length() {
        const Outcome outcome = runCli(
            {"--plan", "1", "--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", "-"},
            "A,90m\n");
        QVERIFY2(outcome.out.contains("too long: at most 69.48 m (227.94 ft) on Cat6"),
                 qPrintable(outcome.out));
    }

    // cat7 and cat6a name one row of the cable table, cat5 and cat5e another:
    // a run keeps the name its row, or --cable, gave it; a digit is its row's.
    void a_run_keeps_the_cable_name_it_was_given() {
        const QStringList rows = runCli({"--cable", "cat7", "--format", "csv", "--runs", "-"},
                                        "a,10m\nb,10m,CAT5\nc,10m,cat6a\nd,10m,0\n")
                                     .out.split('\n');
        QStringList cables;
        for (const QString& row : rows.mid(1, 4)) {
            cables << row.section(',', 7, 7);
        }
        QCOMPARE(cables, (QStringList{"cat7", "cat5", "cat6a", "cat5e"}));
    }

    // The columns each identifier takes on a terminal, counted by hand.
    void columns_line_up_after_letters_beyond_ascii_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("columns");
        QTest::newRow("accented letter") << QString("Caf\u00e9") << 4;
        QTest::newRow("Greek and accents") << QString("\u03a9 \u00e9t\u00e9") << 5;
        QTest::newRow("combining accent") << QString("Cafe\u0301") << 4;
        QTest::newRow("Chinese, two columns each") << QString("\u5317\u4eac") << 4;
        QTest::newRow("fullwidth Latin") << QString("\uff21\uff22B") << 5;
    }

    void columns_line_up_after_letters_beyond_ascii() {
        QFETCH(QString, id);
        QFETCH(int, columns);
        const Outcome outcome = runCli(kPlan, (QString("Cafe,45m\n") + id + ",45m\n").toUtf8());
        QCOMPARE(outcome.status, 0);
        const QStringList rows = outcome.out.split('\n');
        QVERIFY(rows.size() > 2);
        QVERIFY(rows[1].startsWith(id));
        // "Cafe" takes four columns: what follows starts as many later.
        QCOMPARE(rows[1].mid(id.size()), rows[0].mid(columns));
    }

    // A length of two decimals and a half is the nearest double to it, a
    // little above or below the half, and prints as that double rounds:
    // 0.015 is 0.01499999999999999944..., 0.025 is 0.02500000000000000139...,
    // 0.045 is 0.04499999999999999833... and 0.055 is 0.05500000000000000028...
    // 0.125 and 0.375 are exact: halves, to the even hundredth as printf does.
    void a_length_on_a_half_rounds_as_its_exact_value() {
        const QStringList rows = runCli(kPlan + QStringList{"--format", "csv"},
                                        "a,0.015m\nb,0.025m\nc,0.045m\nd,0.055m\ne,0.125m\n"
                                        "f,0.375m\n")
                                     .out.split('\n');
        QVERIFY(rows.size() > 6);
        QStringList meters;
        for (const QString& row : rows.mid(1, 6)) {
            meters << row.section(',', 2, 2);
        }
        QCOMPARE(meters, (QStringList{"0.01", "0.03", "0.04", "0.06", "0.12", "0.38"}));
    }
};

QTEST_GUILESS_MAIN(TextRowsTest)
#include "text_rows_test.moc"
