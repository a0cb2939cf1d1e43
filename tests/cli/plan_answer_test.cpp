// What an installer hands over, from the built program: the feed level at
// which every run passes, the fix for each failing run and the report's first
// page. Figures worked by hand for the 8-port hub on Cat6, plan 2, receiver
// windows 0 to 15 dBmV (analog) and -12 to 15 dBmV (digital): loss per 100 m
// 14.370 dB at 55 MHz, 51.760 at 550 and 67.648 at 860 (a*f + b*sqrt(f) +
// c/sqrt(f)), gains 0, 15 and 15 dB. A 45 m run receives P - 6.47, P - 8.29
// and P - 15.44 dBmV, so it passes from P = 8.29 to 21.47 (margins as
// printed), 14.88 in the middle; a 20 m run from 2.87 to 10.35, a 70 m run
// from 21.23 to 25.06: none in common.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "tests/cli/run_cli.h"
#include "tests/planning/html_tree.h"

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The texts of the elements with this class, in page order.
QStringList textsOf(const tarvelle::planning::testing::HtmlTree& tree, const std::string& tag,
                    const std::string& cls = {}) {
    using namespace tarvelle::planning::testing;
    QStringList texts;
    for (const GumboNode* node : elementsWhere(tree.root(), [&](const GumboNode* n) {
             return tagName(n) == tag && (cls.empty() || hasClass(n, cls));
         })) {
        texts << QString::fromStdString(textOf(node)).simplified();
    }
    return texts;
}

}  // namespace

class PlanAnswerTest : public QObject {
    Q_OBJECT

  private slots:
    void feed_range_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        const QStringList hub{"--pin", "20", "--product", "8-port", "--cable", "cat6"};
        QTest::newRow("one 45 m run: a range, its middle")
            << hub + QStringList{"--length", "45m", "--feed-range"} << QByteArray() << 0
            << "Every run passes at a feed from 8.29 dBmV to 21.47 dBmV; 14.88 dBmV gives the "
               "most margin (1 run).\n";
        QTest::newRow("20 m and 70 m: no level in common, the 70 m still fails at the 20 m's")
            << hub + QStringList{"--runs", "@runs.csv", "--feed-range"}
            << QByteArray("near,20m\nfar,70m\n") << 1
            << "No feed level passes every run (2 runs); at 6.61 dBmV, 1 of 2 runs pass, the "
               "most.\nStill failing there: 'far'.\n";
        // 0 m receives P at 55 MHz and P + 15 at 550 MHz: it passes at 0.00 alone.
        QTest::newRow("a run passing only at 0 dBmV, the lowest span")
            << hub + QStringList{"--runs", "@runs.csv", "--feed-range"}
            << QByteArray("zero,0m\nmid,45m\n") << 1
            << "No feed level passes every run (2 runs); at 0.00 dBmV, 1 of 2 runs pass, the "
               "most.\nStill failing there: 'mid'.\n";
        // 860 MHz receives P - 15.4416: a digital minimum of 1e12 - 15.435
        // needs 0.0066 dB more than the largest feed, 1e12 dBmV.
        QTest::newRow("passing only just above the largest feed")
            << hub + QString(
                         "--length 45m --feed-range --pmin-digital 999999999984.565 "
                         "--pmax-analog 1e12 --pmax-digital 1e12")
                         .split(' ')
            << QByteArray() << 1
            << "No feed level passes any run (1 run): at these lengths the receiver windows are "
               "too narrow for the levels at every feed.\n";
        QTest::newRow("in dBuV: the same levels 60 dB up")
            << hub +
                   QStringList{"--units", "dBuV", "--pin", "80", "--length", "45m", "--feed-range"}
            << QByteArray() << 0
            << "Every run passes at a feed from 68.29 dBµV to 81.47 dBµV; 74.88 dBµV gives the "
               "most margin (1 run).\n";
    }

    // At the feed the choice itself finds, that level is named once.
    void the_level_found_is_named_once_at_that_feed() {
        const QByteArray runs = "near,20m\nfar,70m\n";
        const QRegularExpression level(
            QStringLiteral("; at (\\d+\\.\\d\\d) dBmV \\d of 2 runs pass\\.$"),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch found =
            level.match(runCli({"--pin", "20", "--choose", "--runs", "-"}, runs).out);
        QVERIFY(found.hasMatch());
        const QString there =
            runCli({"--pin", found.captured(1), "--choose", "--runs", "-"}, runs).out;
        QCOMPARE(there.count("at " + found.captured(1) + " dBmV"), 1);
    }

    // The choice's feed span in the unit shown: the 45 m run's 8.29 to
    // 21.47 dBmV on the 8-port hub and Cat6, 60 dB up in dBuV.
    void choice_gives_the_feed_span_in_the_unit_shown() {
        const QStringList rows = runCli({"--units", "dBuV", "--pin", "80", "--length", "45m",
                                         "--choose", "--format", "csv"})
                                     .out.split('\n');
        const auto row = std::find_if(rows.begin(), rows.end(), [](const QString& line) {
            return line.startsWith("8-port hub to balun,Cat6,");
        });
        QVERIFY(row != rows.end());
        QVERIFY2(row->endsWith(",68.29,81.47"), qPrintable(*row));
    }

    void feed_range() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, runs);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        writeFile(dir.filePath("runs.csv"), runs);
        arguments.replaceInStrings("@", dir.path() + "/");
        const Outcome outcome = runCli(arguments);
        QCOMPARE(outcome.out, expected);
        QCOMPARE(outcome.status, status);
    }

    // 32 m is 3.44 dB too hot at 550 MHz (35 - 0.32 * 51.760 = 18.44); a 6 dB
    // pad brings every edge in. 70 m loses 36.23 dB at 550 MHz, below 0 dBmV;
    // Cat6 allows 3500 / 51.760 = 67.62 m, and Cat6A (47.722 dB per 100 m at
    // 550 MHz, 13.926 at 55, 61.393 at 860) carries it: 10.25, 1.59, -7.98 dBmV.
    void report_answers_on_its_first_page() {
        QTemporaryDir dir;
        writeFile(dir.filePath("b.csv"),
                  "room,length\n101,32m\n102,45m\nbad,xx\n104,70m\n101,50m\n");
        const Outcome outcome =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs",
                    dir.filePath("b.csv"), "--report", dir.filePath("r.html"), "--project",
                    "Tower <B>", "--site", "12 Quay St", "--prepared-by", "J. Ng"});
        QCOMPARE(outcome.status, 1);
        const std::string html = readFile(dir.filePath("r.html")).toStdString();
        const tarvelle::planning::testing::HtmlTree tree(html);
        QCOMPARE(textsOf(tree, "p", "verdict"),
                 QStringList{"2 of 4 runs fail; 1 row of the runs file was skipped."});
        QCOMPARE(textsOf(tree, "ul", "fixes"),
                 QStringList{"101, 32.00 m (104.99 ft) of Cat6: too short: needs 3.44 dB of "
                             "attenuation; a 6 dB pad brings it into the window "
                             "104, 70.00 m (229.66 ft) of Cat6: too long: at most 67.62 m "
                             "(221.85 ft) on Cat6; it passes on Cat6A/Cat7"});
        QCOMPARE(textsOf(tree, "ul", "skipped"),
                 (QStringList{"line 4: 'xx' is not a length (a number with m or ft)",
                              "line 6: identifier '101' repeats line 2"}));
        QCOMPARE(textsOf(tree, "table", "title"),
                 QStringList{"ProjectTower <B> Site12 Quay St Prepared byJ. Ng Date2023-11-14"});
        // Every printed page names the project and counts the pages; the
        // project's text cannot end the style.
        QVERIFY(html.find("@top-left { font: 8pt \"Liberation Sans\", Arial, sans-serif; color: "
                          "#444; content: \"Tower \\3c B\\3e  — 12 Quay St\"") !=
                std::string::npos);
        QVERIFY(html.find("counter(page) \" of \" counter(pages)") != std::string::npos);
        // One product for every run: said once above the table, not in a column.
        using namespace tarvelle::planning::testing;
        const auto runsTable = elementsWhere(tree.root(), [](const GumboNode* n) {
            return tagName(n) == "table" && hasClass(n, "runs");
        });
        QCOMPARE(runsTable.size(), std::size_t{1});
        for (const GumboNode* th : elementsNamed(runsTable.front(), "th")) {
            QVERIFY(textOf(th) != "Product" && textOf(th) != "Cable");
        }
        QVERIFY(textsOf(tree, "p")
                    .filter("every run listed is on the 8-port hub to balun, over "
                            "Cat6")
                    .size() == 1);
    }

    // A no-break space, as spreadsheets write one between words, stays one in
    // the report: only control characters are written as escapes.
    void a_no_break_space_stays_itself_in_the_report() {
        QTemporaryDir dir;
        writeFile(dir.filePath("n.csv"),
                  "Room\xc2\xa0"
                  "101,45m\n");
        const Outcome outcome =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs",
                    dir.filePath("n.csv"), "--report", dir.filePath("r.html")});
        QCOMPARE(outcome.status, 0);
        const std::string html = readFile(dir.filePath("r.html")).toStdString();
        QVERIFY(html.find("Room\xc2\xa0"
                          "101") != std::string::npos);
    }

    // A site with no project heads each printed page alone, with no dash
    // before it.
    void a_site_without_a_project_heads_the_page_alone() {
        QTemporaryDir dir;
        const Outcome outcome =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--length", "45m",
                    "--report", dir.filePath("r.html"), "--site", "Block C"});
        QCOMPARE(outcome.status, 0);
        const std::string html = readFile(dir.filePath("r.html")).toStdString();
        QVERIFY(html.find("content: \"Block C\";") != std::string::npos);
    }

    void report_spells_the_warning_out() {
        QTemporaryDir dir;
        runCli({"--pin", "30", "--length", "45m", "--report", dir.filePath("w.html")});
        const QByteArray html = readFile(dir.filePath("w.html"));
        QVERIFY(html.contains("adjust RF amplification slope (tilt)"));
        QVERIFY(!html.contains("amplication"));
    }

    // The four runs of 40, 50, 60 and 70 m pass together only on Cat6A: on the
    // 8-port hub from 18.41 to 19.09 dBmV, on the 16-port from 20.41 to 21.09
    // (equally wide); the 16-port falls shorter at 20 dBmV (0.41 dB against
    // 0.91) and wins. Its report and chart are drawn, not the default balun's.
    void choice_reports_and_draws_the_recommended_combination() {
        QTemporaryDir dir;
        writeFile(dir.filePath("f.csv"), "1,40m\n2,50m\n3,60m\n4,70m\n");
        const Outcome outcome =
            runCli({"--pin", "20", "--runs", dir.filePath("f.csv"), "--choose", "--report",
                    dir.filePath("r.html"), "--plot", dir.filePath("c.svg")});
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.out.contains(
            "Choose the 16-port hub to balun on Cat6A/Cat7: every run passes at a feed from "
            "20.41 dBmV to 21.09 dBmV, the widest range of any combination; at 20.00 dBmV 3 of 4 "
            "runs pass, the tightest short by 0.41 dB; 20.75 dBmV gives the most margin.\n"));
        const tarvelle::planning::testing::HtmlTree tree(
            readFile(dir.filePath("r.html")).toStdString());
        QVERIFY(textsOf(tree, "p")
                    .filter(QRegularExpression("^Recommended: the 16-port hub to balun on "
                                               "Cat6A/Cat7: every run passes at a feed from "
                                               "20.41 dBmV"))
                    .size() == 1);
        const QByteArray chart = readFile(dir.filePath("c.svg"));
        QVERIFY(chart.contains("16-port hub to balun · Cat6A/Cat7"));
        // Every run on it, by its verdict there: 37.72 to 69.15 m pass.
        QVERIFY(!chart.contains("on another cable or product"));
        QVERIFY(chart.contains("runs that pass, light (3)"));
        QVERIFY(chart.contains("runs that fail, dark (1)"));
    }
};

QTEST_GUILESS_MAIN(PlanAnswerTest)
#include "plan_answer_test.moc"
