#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome runCli(const QStringList& arguments) {
    QProcess process;
    process.start(TARVELLE_CLI, arguments);
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The twelve figures of the CSV output, feet then metres per distance.
QStringList figures(const QString& csv) {
    QStringList texts;
    const QStringList lines = csv.split('\n', Qt::SkipEmptyParts);
    for (int i = 1; i <= 6; ++i) {
        const QStringList fields = lines.value(i).split(',');
        texts << fields.value(1) << fields.value(2);
    }
    return texts;
}

const QString kWarning =
    "WARNING! In order to ensure the minimum distance is lower than the maximum distance, adjust "
    "RF amplication slope (tilt) or attenuate the lower frequencies.";

}  // namespace

class CliTest : public QObject {
    Q_OBJECT

  private slots:
    void worked_examples_match_the_window_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("warns");
        QTest::newRow("balun, Cat5/5e, plan 2")
            << QStringList{"--pin", "30"}
            << QStringList{"299.96", "91.43", "155.16", "47.29", "71.44",  "21.78",
                           "166.87", "50.86", "299.96", "91.43", "155.16", "47.29"}
            << true;
        QTest::newRow("8-port hub by name, Cat6 by name")
            << QStringList{"--pin=20", "--product", "8-PORT", "--cable", "cat6"}
            << QStringList{"126.77", "38.64", "221.85", "67.62", "126.77", "38.64",
                           "227.94", "69.48", "126.77", "38.64", "221.85", "67.62"}
            << false;
        QTest::newRow("plan 1, custom windows")
            << QStringList{"--pin",          "0",   "--pmin-analog",  "-10", "--pmax-analog", "0",
                           "--pmin-digital", "-20", "--pmax-digital", "-12", "--plan",        "1"}
            << QStringList{"0.00",  "0.00",  "54.18", "16.51", "66.78", "20.35",
                           "73.69", "22.46", "66.78", "20.35", "54.18", "16.51"}
            << false;
    }

    void worked_examples_match_the_window() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(bool, warns);

        const Outcome csv = runCli(arguments + QStringList{"--format", "csv"});
        QCOMPARE(csv.status, 0);
        QCOMPARE(figures(csv.out), expected);
        QCOMPARE(csv.err.trimmed(), warns ? kWarning : QString());

        const Outcome text = runCli(arguments);
        QCOMPARE(text.status, 0);
        QCOMPARE(text.out.contains(kWarning), warns);
        QVERIFY(text.out.contains(expected.first()));
    }

    void level_budget_at_a_given_length() {
        const Outcome json = runCli({"--pin", "20", "--product", "1", "--cable", "1", "--length",
                                     "45m", "--format", "json"});
        QCOMPARE(json.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(root["distances"].toArray().size(), 6);
        QVERIFY(root["warning"].isNull());
        const QJsonObject budget = root["budget"].toObject();
        const QJsonArray edges = budget["edges"].toArray();
        QCOMPARE(edges.size(), 4);
        const QJsonObject low = edges[0].toObject();
        QCOMPARE(low["edge"].toString(), "analog low edge");
        QCOMPARE(low["source_dbmv"].toDouble(), 20.0);
        QCOMPARE(low["loss_db_per_100m"].toDouble(), 14.37);
        QCOMPARE(low["received_dbmv"].toDouble(), 13.53);
        QCOMPARE(low["margin_to_minimum_db"].toDouble(), 13.53);
        QCOMPARE(low["margin_to_maximum_db"].toDouble(), 1.47);
        QCOMPARE(budget["analog_tilt_db"].toDouble(), 16.83);
        QCOMPARE(budget["digital_tilt_db"].toDouble(), 7.15);

        const Outcome feet = runCli({"--pin", "20", "--product", "1", "--cable", "1", "--length",
                                     "147.64ft", "--format", "json"});
        QCOMPARE(QJsonDocument::fromJson(feet.out.toUtf8())["budget"]["length_m"].toDouble(), 45.0);
    }

    void batch_check_reports_every_row() {
        QTemporaryDir dir;
        const QString path = dir.filePath("runs.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("room,length\n101,32m\n102,150ft\n\nbad row\n104,abc\n\"Lobby, east\",40 m\n");
        file.close();

        const Outcome outcome = runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6",
                                        "--runs", path, "--format", "csv"});
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.out.split('\n', Qt::SkipEmptyParts),
                 (QStringList{"id,length_ft,length_m,result,failing_edge,limit,margin_db",
                              "101,104.99,32.00,fail,analog high edge (550 MHz),maximum,-3.44",
                              "102,150.00,45.72,pass,,,", "\"Lobby, east\",131.23,40.00,pass,,,"}));
        const QStringList problems = outcome.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(problems.size(), 2);
        QVERIFY(problems[0].contains("line 5"));
        QVERIFY(problems[1].contains("line 6") && problems[1].contains("'abc'"));

        const Outcome text =
            runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", path});
        QVERIFY(text.out.contains("3 runs checked: 2 pass, 1 fail; 2 malformed rows skipped"));

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("room,length\n102,150ft\n201,40m\n");
        file.close();
        QCOMPARE(runCli({"--pin", "20", "--product", "1", "--cable", "1", "--runs", path}).status,
                 0);
    }

    void chart_is_an_svg_with_four_series() {
        QTemporaryDir dir;
        const QString path = dir.filePath("chart.svg");
        const Outcome outcome = runCli({"--pin", "30", "--plot", path});
        QCOMPARE(outcome.status, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int series = 0;
        QStringList texts;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.attributes().value("class") == u"series") {
                ++series;
            }
            if (xml.isStartElement() && (xml.name() == u"text" || xml.name() == u"title")) {
                texts << xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(series, 4);
        for (const char* expected :
             {"Received level against cable length", "Cable length (m)", "Cable length (ft)",
              "Received level (dBmV)", "digital high edge (860 MHz)", "analog receiver window"}) {
            QVERIFY2(texts.contains(expected), expected);
        }
    }

    void bad_input_gets_one_line_and_status_two_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("level not a number")
            << QStringList{"--pin", "12abc"}
            << "tarvelle-cli: --pin '12abc': ERROR: Input Signal Strength must be a valid number";
        QTest::newRow("digital minimum before analog maximum")
            << QStringList{"--pmax-analog", "x", "--pmin-digital", ""}
            << "tarvelle-cli: --pmin-digital '': ERROR: Pmin Digital must be a valid number";
        QTest::newRow("overflow") << QStringList{"--pin", "1e308", "--pmax-analog", "-1e308"}
                                  << "tarvelle-cli: Run-time error: Overflow";
        QTest::newRow("cable") << QStringList{"--cable", "cat8"}
                               << "tarvelle-cli: --cable 'cat8': is not a cable category (0, 1, "
                                  "2, cat5e, cat6, cat6a or cat7)";
        QTest::newRow("ambiguous product")
            << QStringList{"--product", "hub"}
            << "tarvelle-cli: --product 'hub': matches more than one product configuration";
        QTest::newRow("plan") << QStringList{"--plan", "3"}
                              << "tarvelle-cli: --plan '3': is not a frequency plan (1 or 2)";
        QTest::newRow("length without unit")
            << QStringList{"--length", "45"}
            << "tarvelle-cli: --length '45': is not a length (a number with m or ft, such as "
               "45m or 150ft)";
        QTest::newRow("format") << QStringList{"--format", "xml"}
                                << "tarvelle-cli: --format 'xml': is not a format (text, csv or "
                                   "json)";
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << "tarvelle-cli: unknown option '--colour' (see --help)";
        QTest::newRow("missing value")
            << QStringList{"--pin"} << "tarvelle-cli: --pin needs a value";
        QTest::newRow("unreadable runs file")
            << QStringList{"--runs", "/nonexistent/runs.csv"}
            << "tarvelle-cli: --runs '/nonexistent/runs.csv': cannot be read";
    }

    void bad_input_gets_one_line_and_status_two() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.err, message + "\n");
        QVERIFY(outcome.out.isEmpty());
    }

    void help_and_version() {
        const Outcome help = runCli({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: tarvelle-cli"));
        const Outcome version = runCli({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, "tarvelle-cli 1.0.0\n");
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
