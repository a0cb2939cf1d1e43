// tarvelle-cli as an installer plans a building with it: which product and
// cable, a report to hand over, the chart, the unit of the levels. The
// program runs as a user would run it; its output is read with real parsers
// (JSON, XML and an HTML5 parser).

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "tests/cli/run_cli.h"
#include "tests/planning/html_tree.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Per combination, product by product and cable by cable: smallest margin,
// runs passing, worst-case minimum and maximum in metres (-1: no length
// works). Worked out apart from the program: received = input + gain -
// (a*f + b*sqrt(f) + c/sqrt(f)) * d / 100.
using Figures = QList<QList<double>>;

}  // namespace

class PlanningTest : public QObject {
    Q_OBJECT

  private slots:
    void every_product_against_every_cable_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<int>("status");
        QTest::addColumn<Figures>("figures");
        QTest::addColumn<QString>("recommendation");
        QTest::newRow("one 45 m run: the 16-port hub on Cat6A has the widest feed range")
            << QStringList{"--pin", "20", "--length", "45m"} << QByteArray() << 0
            << Figures{{-8.65, 0, 28.37, 30.28}, {-5.49, 0, 31.31, 34.39}, {-3.68, 0, 32.31, 37.30},
                       {2.14, 1, 34.02, 59.54},  {1.47, 1, 38.64, 67.62},  {1.27, 1, 41.91, 73.34},
                       {4.14, 1, 30.62, 55.51},  {3.47, 1, 34.78, 63.56},  {3.27, 1, 37.72, 69.15}}
            << "Choose the 16-port hub to balun on Cat6A/Cat7: every run passes at a feed from "
               "8.48 dBmV to 23.27 dBmV, the widest range of any combination; at 20.00 dBmV every "
               "run passes with at least 3.27 dB to spare; 15.87 dBmV gives the most margin.";
        QTest::newRow("four runs from a file, a cable column ignored: none passes them all")
            << QStringList{"--pin", "20"}
            << QByteArray(
                   "room,length,cable\n1,40m,cat6\n2,50m,cat6\n"
                   "3,60m,cat7\n4,70m,cat5e\n")
            << 1 << Figures{{-24.83, 0, 28.37, 30.28}, {-18.43, 0, 31.31, 34.39},
                            {-15.61, 0, 32.31, 37.30}, {-7.23, 2, 34.02, 59.54},
                            {-1.23, 3, 38.64, 67.62},  {-0.91, 3, 41.91, 73.34},
                            {-11.23, 2, 30.62, 55.51}, {-4.35, 3, 34.78, 63.56},
                            {-0.41, 3, 37.72, 69.15}}
            << "Choose the 16-port hub to balun on Cat6A/Cat7: every run passes at a feed from "
               "20.41 dBmV to 21.09 dBmV, the widest range of any combination; at 20.00 dBmV 3 of "
               "4 runs pass, the tightest short by 0.41 dB; 20.75 dBmV gives the most margin.";
        QTest::newRow("too weak for any cable: nothing passes, no length works")
            << QStringList{"--pin", "-20"} << QByteArray("10m\n20m\n") << 1
            << Figures{{-33.96, 0, -1, -1}, {-32.55, 0, -1, -1}, {-31.74, 0, -1, -1},
                       {-23.17, 0, -1, -1}, {-22.87, 0, -1, -1}, {-22.79, 0, -1, -1},
                       {-25.17, 0, -1, -1}, {-24.87, 0, -1, -1}, {-24.79, 0, -1, -1}}
            << "Choose the balun to balun on Cat6A/Cat7: every run passes at a feed from 11.74 "
               "dBmV to 16.89 dBmV, the widest range of any combination; at -20.00 dBmV 0 of 2 "
               "runs pass, the tightest short by 31.74 dB; 14.31 dBmV gives the most margin.";
    }

    void every_product_against_every_cable() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, runs);
        QFETCH(int, status);
        QFETCH(Figures, figures);
        QFETCH(QString, recommendation);
        QTemporaryDir dir;
        if (!runs.isEmpty()) {
            // Headerless rows are identifier,length: give each an identifier.
            QByteArray file = runs.startsWith("room") ? runs : QByteArray();
            if (file.isEmpty()) {
                int row = 0;
                for (const QByteArray& length : runs.split('\n')) {
                    if (!length.isEmpty()) {
                        file += QByteArray::number(++row) + "," + length + "\n";
                    }
                }
            }
            writeFile(dir.filePath("runs.csv"), file);
            arguments << "--runs" << dir.filePath("runs.csv");
        }

        const Outcome json = runCli(arguments + QStringList{"--choose", "--format", "json"});
        QCOMPARE(json.status, status);
        const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
        const QJsonArray combinations = root["combinations"].toArray();
        QCOMPARE(combinations.size(), 9);
        for (int i = 0; i < 9; ++i) {
            const QJsonObject combination = combinations[i].toObject();
            const QList<double>& expected = figures[i];
            QCOMPARE(combination["product_index"].toInt(), i / 3);
            QCOMPARE(combination["cable_index"].toInt(), i % 3);
            QCOMPARE(combination["smallest_margin_db"].toDouble(), expected[0]);
            QCOMPARE(combination["runs_passed"].toInt(), static_cast<int>(expected[1]));
            if (expected[2] < 0) {
                QVERIFY(combination["worst_case"].isNull());
                QVERIFY(combination["no_length_shortfall_db"].toDouble() > 0);
            } else {
                QCOMPARE(combination["worst_case"]["min_m"].toDouble(), expected[2]);
                QCOMPARE(combination["worst_case"]["max_m"].toDouble(), expected[3]);
            }
        }
        QCOMPARE(root["recommendation"]["text"].toString(), recommendation);

        const Outcome text = runCli(arguments + QStringList{"--choose"});
        QCOMPARE(text.status, status);
        QCOMPARE(text.out.split('\n', Qt::SkipEmptyParts).size(), 11);
        QVERIFY(text.out.endsWith(recommendation + "\n"));
    }

    void report_holds_inputs_runs_and_chart_and_nothing_outside() {
        QTemporaryDir dir;
        writeFile(dir.filePath("runs.csv"),
                  "room,length,cable\n101,32m,cat6\n102,45m,cat6\n\"Lobby, east\",150ft,cat6a\n"
                  "<img src=x onerror=alert(1)>,50m,cat6\n");
        const Outcome outcome = runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6",
                                        "--runs", "runs.csv", "--report", "report.html"},
                                       {}, dir.path());
        QCOMPARE(outcome.status, 1);  // 101 is too short
        const QByteArray html = readFile(dir.filePath("report.html"));

        // Well-formed as XML besides: any XML tool reads it too.
        QXmlStreamReader xml(html);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        const tarvelle::planning::testing::HtmlTree tree(html.toStdString());
        QCOMPARE(tree.parseErrors(), 0u);
        using namespace tarvelle::planning::testing;
        const std::string page = textOf(tree.root());
        for (const char* expected :
             {"20.00\u00a0dBmV", "Vidra Hub 8-Port (281640) to Vidra Balun (281657)",
              "0.00\u00a0dBmV to 15.00\u00a0dBmV", "-12.00\u00a0dBmV to 15.00\u00a0dBmV",
              "plan 2: analog 55 MHz to 550 MHz", "made on 2023-11-14 with tarvelle-cli 1.0.0",
              "4 runs checked: 3 pass, 1 fail."}) {
            QVERIFY2(page.find(expected) != std::string::npos, expected);
        }
        QStringList ids;
        for (const GumboNode* cell :
             elementsWhere(tree.root(), [](const GumboNode* n) { return hasClass(n, "id"); })) {
            ids << QString::fromStdString(textOf(cell));
        }
        QCOMPARE(ids, (QStringList{"101", "102", "Lobby, east", "<img src=x onerror=alert(1)>"}));
        const auto charts = elementsNamed(tree.root(), "svg");
        QCOMPARE(charts.size(), 1u);
        std::size_t counted = 0;  // "2 runs from 30.00 to 35.00 m: ..."
        for (const GumboNode* title : elementsNamed(charts[0], "title")) {
            const std::string text = textOf(title);
            counted += text.find(" from ") != std::string::npos ? std::stoul(text) : 0;
        }
        QCOMPARE(counted, 4u);
        forEachElement(tree.root(), [](const GumboNode* node) {
            const std::string tag = tagName(node);
            QVERIFY2(tag != "script" && tag != "img" && tag != "link" && tag != "iframe",
                     tag.c_str());
            for (const char* name : {"src", "href", "onerror", "xlink:href"}) {
                QVERIFY2(attributeOf(node, name).empty(), name);
            }
        });
    }

    void report_is_complete_or_not_at_all_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("a runs file without runs")
            << QStringList{"--runs", "empty.csv", "--report", "old.html"}
            << "tarvelle-cli: empty.csv: holds no runs (only a header or blank lines)\n";
        QTest::newRow("a name for another format")
            << QStringList{"--runs", "runs.csv", "--report", "old.txt"}
            << "tarvelle-cli: --report 'old.txt': the file is written as html; give it a name "
               "ending in .html\n";
        QTest::newRow("the runs file itself")
            << QStringList{"--runs", "old.html", "--report", "old.html"}
            << "tarvelle-cli: --report 'old.html': is an input of this run; it is not written "
               "over\n";
        QTest::newRow("no runs to report on")
            << QStringList{"--report", "old.html"}
            << "tarvelle-cli: --report needs --length or --runs: the runs to report on\n";
        QTest::newRow("no runs to choose for")
            << QStringList{"--choose"}
            << "tarvelle-cli: --choose needs --length or --runs: the runs to choose for\n";
        QTest::newRow("a unit that is not one")
            << QStringList{"--units", "dBm", "--length", "45m"}
            << "tarvelle-cli: --units 'dBm': is not a level unit (dBmV or dBuV)\n";
    }

    void report_is_complete_or_not_at_all() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeFile(dir.filePath("empty.csv"), "room,length\n\n");
        writeFile(dir.filePath("runs.csv"), "room,length\n101,45m\n");
        writeFile(dir.filePath("old.html"), "PRECIOUS\n");
        writeFile(dir.filePath("old.txt"), "PRECIOUS\n");
        const Outcome outcome = runCli(arguments, {}, dir.path());
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.err, message);
        QCOMPARE(readFile(dir.filePath("old.html")), QByteArray("PRECIOUS\n"));
        QCOMPARE(readFile(dir.filePath("old.txt")), QByteArray("PRECIOUS\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    // 8-port hub, 20 dBmV: on Cat6 from 38.64 to 67.62 m; on Cat5e from 34.02
    // to 59.54 m (loss per 100 m 58.78 dB at 550 MHz: 35 - 0.5878 L within 0
    // to 15 dBmV; 77.47 dB at 860 MHz: 35 - 0.7747 L above -12 dBmV).
    void chart_counts_runs_per_band_and_bars_each_cable_used() {
        QTemporaryDir dir;
        writeFile(dir.filePath("runs.csv"),
                  "id,length,cable\na,8m,\nb,9.99m,\nc,10m,\n"
                  "d,150ft,\ne,47m,\nf,50m,cat5e\ng,70m,\n");
        const Outcome outcome =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", "runs.csv",
                    "--plot", "chart.svg", "--report", "report.html"},
                   {}, dir.path());
        QCOMPARE(outcome.status, 1);
        const QByteArray svg = readFile(dir.filePath("chart.svg"));
        QXmlStreamReader xml(svg);
        QStringList bands;
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
                texts << xml.readElementText();
            } else if (xml.isStartElement() && xml.attributes().value("class") == u"band") {
                xml.readNextStartElement();
                bands << xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(texts.contains("Runs by length, counted in bands of 5 m"));
        QCOMPARE(bands, (QStringList{"2 runs from 5.00 to 10.00 m: 0 pass, 2 fail",
                                     "1 run from 10.00 to 15.00 m: 0 pass, 1 fail",
                                     "2 runs from 45.00 to 50.00 m: 2 pass, 0 fail",
                                     "1 run from 50.00 to 55.00 m: 1 pass, 0 fail",
                                     "1 run from 70.00 to 75.00 m: 0 pass, 1 fail"}));
        const int cat5e = texts.indexOf("Cat5/5e");
        QVERIFY(cat5e >= 0);
        QCOMPARE(texts.mid(cat5e, 4), (QStringList{"Cat5/5e", "34.02 to 59.54 m, 1 run", "Cat6",
                                                   "38.64 to 67.62 m, 6 runs"}));
        QVERIFY(!texts.contains("Cat6A/Cat7"));
        // The report draws the same chart.
        const QByteArray html = readFile(dir.filePath("report.html"));
        QVERIFY(html.contains(svg.mid(svg.indexOf("<svg"))));
    }

    void microvolts_shift_every_level_by_sixty_data() {
        QTest::addColumn<QStringList>("millivolts");
        QTest::addColumn<QStringList>("microvolts");
        QTest::newRow("levels given")
            << QStringList{"--pin", "20", "--pmin-analog", "2", "--pmax-digital", "14.5"}
            << QStringList{"--pin",          "80",   "--pmin-analog", "62",
                           "--pmax-digital", "74.5", "--units",       "dBuV"};
        QTest::newRow("receiver levels left at the window's presets")
            << QStringList{"--pin", "20"} << QStringList{"--pin", "80", "--units", "dB\u00b5V"};
    }

    void microvolts_shift_every_level_by_sixty() {
        QFETCH(QStringList, millivolts);
        QFETCH(QStringList, microvolts);
        const QStringList common{"--product", "8-port", "--cable",  "cat6",
                                 "--length",  "45m",    "--format", "json"};
        const Outcome mv = runCli(millivolts + common);
        const Outcome uv = runCli(microvolts + common);
        QCOMPARE(uv.status, mv.status);
        const QJsonObject a = QJsonDocument::fromJson(mv.out.toUtf8()).object();
        const QJsonObject b = QJsonDocument::fromJson(uv.out.toUtf8()).object();
        QCOMPARE(b["distances"], a["distances"]);
        QCOMPARE(b["units"].toString(), QString("dB\u00b5V"));
        const QJsonArray edgesA = a["budget"]["edges"].toArray();
        const QJsonArray edgesB = b["budget"]["edges"].toArray();
        QCOMPARE(edgesB.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const QJsonObject edgeA = edgesA[i].toObject();
            const QJsonObject edgeB = edgesB[i].toObject();
            for (const char* level : {"into_cable", "received"}) {
                const double dbmv = edgeA[QString(level) + "_dbmv"].toDouble();
                const double dbuv = edgeB[QString(level) + "_dbuv"].toDouble();
                QVERIFY2(qAbs(dbuv - (dbmv + 60)) < 1e-9, level);
            }
            for (const char* same :
                 {"loss_db_per_100m", "margin_to_minimum_db", "margin_to_maximum_db"}) {
                QCOMPARE(edgeB[same], edgeA[same]);
            }
        }
        QCOMPARE(b["budget"]["analog_tilt_db"], a["budget"]["analog_tilt_db"]);
    }

    void says_when_no_length_works_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("every band works")
            << QStringList{"--pin", "20", "--product", "8-port", "--cable", "cat6"}
            << QStringList{};
        QTest::newRow("the analog band's minimum exceeds its maximum")
            << QStringList{"--pin", "30"}
            << QStringList{
                   "No length works for the analog band: its receiver window is 7.00 dB "
                   "too narrow for the levels at the outlet.",
                   "No length works for the worst case: the two receiver windows are "
                   "together 7.00 dB too narrow for the levels at the outlet."};
        QTest::newRow("too weak even at 0 m, which the window shows as 0.00 to 0.00")
            << QStringList{"--pin", "0"}
            << QStringList{
                   "No length works for the analog band: the feed is too weak, 2.20 dB "
                   "below the receiver minimum even at 0 m; add at least 2.20 dB at the source.",
                   "No length works for the worst case: the feed is too weak, 2.20 dB "
                   "below the receiver minimum even at 0 m; add at least 2.20 dB at the source."};
    }

    void says_when_no_length_works() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        const Outcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, 0);
        QStringList said;
        for (const QString& line : outcome.out.split('\n')) {
            if (line.startsWith("No length works")) {
                said << line;
            }
        }
        QCOMPARE(said, lines);
    }

    // What --help declares, the manual page and the completion all name.
    void manual_and_completion_name_every_option() {
        const Outcome help = runCli({"--help"});
        const QRegularExpression option("--[a-z][a-z-]+");
        QSet<QString> declared;
        for (const auto& match : option.globalMatch(help.out)) {
            declared << match.captured();
        }
        const QString manual =
            QString::fromUtf8(readFile(TARVELLE_SOURCE_DIR "/cli/tarvelle-cli.1"))
                .replace("\\-", "-");
        const QString completion =
            QString::fromUtf8(readFile(TARVELLE_SOURCE_DIR "/cli/tarvelle-cli.bash"));
        for (const QString& text : {manual, completion}) {
            QSet<QString> named;
            for (const auto& match : option.globalMatch(text)) {
                named << match.captured();
            }
            QCOMPARE(named, declared);
        }
    }
};

QTEST_GUILESS_MAIN(PlanningTest)
#include "planning_test.moc"
