#include <fcntl.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include "tests/cli/run_cli.h"
#include "tests/data/test_data.h"

namespace {

// A small RFC 4180 reader of the test's own, so that the program's CSV is
// checked by a parser that shares no code with it. Empty on malformed input.
QList<QStringList> parseCsv(const QString& text) {
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            if (!field.isEmpty() || wasQuoted) {
                return {};
            }
            quoted = wasQuoted = true;
        } else if (c == ',') {
            fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == '\n') {
            records << (fields << field);
            fields.clear();
            field.clear();
            wasQuoted = false;
        } else if (c == '\r' && !wasQuoted) {
            return {};  // the program ends lines with LF; a bare CR must be quoted
        } else {
            field += c;
        }
    }
    return quoted || !field.isEmpty() || !fields.isEmpty() ? QList<QStringList>{} : records;
}

bool validUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// Nothing a terminal would act on: no control character but the line end.
bool terminalSafe(const QByteArray& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\n') || byte == 0x7f;
    });
}

// The peak resident memory, KiB, of the program reading `runsFile`.
long peakKiB(const QString& runsFile) {
    const QByteArray program = TARVELLE_CLI;
    const QByteArray path = runsFile.toLocal8Bit();
    const char* arguments[] = {program.constData(), "--format", "csv", "--runs",
                               path.constData(),    nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, program.constData(), &actions, nullptr,
                                    const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (started != 0 || wait4(child, &status, 0, &usage) != child) {
        return -1;
    }
    return usage.ru_maxrss;
}

QByteArray manyRuns(int count) {
    QByteArray text = "room,length\n";
    for (int i = 0; i < count; ++i) {
        text += "R" + QByteArray::number(i) + ",45m\n";
    }
    return text;
}

// A check of one finding's outcome; it may read the run's folder.
using Check = std::function<void(const Outcome&, const QDir&)>;

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

// The five level options of a set of inputs; "=" keeps a leading minus a value.
QStringList levelArguments(const tarvelle::testdata::Inputs& in) {
    return {"--pin=" + QString::fromStdString(in.levels.pin),
            "--pmin-analog=" + QString::fromStdString(in.levels.pminAnalog),
            "--pmin-digital=" + QString::fromStdString(in.levels.pminDigital),
            "--pmax-analog=" + QString::fromStdString(in.levels.pmaxAnalog),
            "--pmax-digital=" + QString::fromStdString(in.levels.pmaxDigital),
            "--plan",
            QString::number(in.plan)};
}

template <typename Texts>
QStringList toStringList(const Texts& texts) {
    QStringList list;
    for (const auto& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

const QString kWarning =
    "WARNING! In order to ensure the minimum distance is lower than the maximum distance, adjust "
    "RF amplication slope (tilt) or attenuate the lower frequencies.";

}  // namespace

Q_DECLARE_METATYPE(Check)

class CliTest : public QObject {
    Q_OBJECT

  private slots:
    void worked_examples_match_the_window_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("warns");
        // Products and cables by the names a user types.
        const QStringList products{"balun", "8-port", "16-port"};
        const QStringList cables{"cat5e", "cat6", "cat7"};
        for (const auto& example : tarvelle::testdata::workedExamples()) {
            const auto& in = example.inputs;
            if (in.product < 0 || in.product > 2 || in.cable < 0 || in.cable > 2 || in.plan == 0) {
                continue;  // the command line always has a product, a cable and a plan
            }
            QTest::newRow(example.name.c_str())
                << (levelArguments(in) +
                    QStringList{"--product", products[in.product], "--cable", cables[in.cable]})
                << toStringList(example.results) << example.warns;
        }
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

    // For every input of the recorded sweep that the command line can take,
    // it shows what the window showed: the same twelve figures and warning,
    // or the same message as one line with status 2.
    void figures_equal_the_windows_for_the_recorded_sweep() {
        int compared = 0;
        for (const auto& row : tarvelle::testdata::calculationSweep()) {
            const auto& in = row.inputs;
            if (row.decimalSeparator != "." || in.product < 0 || in.product > 2 || in.cable < 0 ||
                in.cable > 2 || in.plan == 0) {
                continue;
            }
            const QStringList arguments =
                levelArguments(in) + QStringList{"--product", QString::number(in.product),
                                                 "--cable", QString::number(in.cable)};
            const Outcome csv = runCli(arguments + QStringList{"--format", "csv"});
            const QString what = arguments.join(' ');
            const QStringList shown = toStringList(row.shown);
            if (shown.size() >= 12) {
                QVERIFY2(csv.status == 0, qPrintable(what));
                QCOMPARE(figures(csv.out), shown.mid(0, 12));
                QCOMPARE(csv.err.trimmed(), shown.value(12));
            } else {
                QVERIFY2(csv.status == 2, qPrintable(what));
                QVERIFY2(csv.err.contains(QString(shown.first()).remove("Run-time error: ")),
                         qPrintable(what + ": " + csv.err));
                QCOMPARE(csv.err.count('\n'), 1);
            }
            ++compared;
        }
        QVERIFY(compared > 200);
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
        QCOMPARE(low["into_cable_dbmv"].toDouble(), 20.0);
        QCOMPARE(low["loss_db_per_100m"].toDouble(), 14.37);
        QCOMPARE(low["received_dbmv"].toDouble(), 13.53);
        QCOMPARE(low["margin_to_minimum_db"].toDouble(), 13.53);
        QCOMPARE(low["margin_to_maximum_db"].toDouble(), 1.47);
        QCOMPARE(budget["analog_tilt_db"].toDouble(), 16.83);
        QCOMPARE(budget["digital_tilt_db"].toDouble(), 7.15);

        // 45 m is 45 / 0.3048 = 147.64 ft.
        const Outcome text =
            runCli({"--pin", "20", "--product", "1", "--cable", "1", "--length", "45m"});
        QVERIFY(text.out.contains("Level budget of a 45.00 m (147.64 ft) run"));

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
        // Cat6 loses 14.37 dB per 100 m at 55 MHz and 51.76 at 550 MHz; the hub
        // adds 15 dB at 550 MHz. 102 (45.72 m): 20 - 6.57 = 13.43 dBmV at 55 MHz,
        // 1.57 under the maximum of 15. Lobby (40 m): 35 - 20.70 = 14.30 at 550 MHz,
        // 0.70 under. 101 (32 m): 35 - 16.56 = 18.44 at 550 MHz, 3.44 over: 6 dB
        // is the first standard pad that clears it, and leaves 55 MHz at
        // 20 - 4.60 - 6 = 9.40, above the minimum of 0.
        QCOMPARE(outcome.out.split('\n', Qt::SkipEmptyParts),
                 (QStringList{
                     "id,length_ft,length_m,result,failing_edge,limit,margin_db,cable,product,fix",
                     "101,104.99,32.00,fail,analog high edge (550 MHz),maximum,-3.44,cat6,8-port,"
                     "\"too short: needs 3.44 dB of attenuation; a 6 dB pad brings it into the "
                     "window\"",
                     "102,150.00,45.72,pass,,,1.57,cat6,8-port,",
                     "\"Lobby, east\",131.23,40.00,pass,,,0.70,cat6,8-port,"}));
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

        // Every run passes, but a row was skipped: the batch is not all right.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("room,length\n102,150ft\n201,40m\n202,forty\n");
        file.close();
        QCOMPARE(runCli({"--pin", "20", "--product", "1", "--cable", "1", "--runs", path}).status,
                 1);
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
                               << "tarvelle-cli: --cable 'cat8': is not a cable category (cat5e, "
                                  "cat6, cat6a, cat7, or 0-2)";
        QTest::newRow("product not by its short name")
            << QStringList{"--product", "hub"}
            << "tarvelle-cli: --product 'hub': is not a product configuration (balun, 8-port, "
               "16-port, or 0-2)";
        QTest::newRow("plan") << QStringList{"--plan", "3"}
                              << "tarvelle-cli: --plan '3': is not a frequency plan (1 or 2)";
        QTest::newRow("length without unit")
            << QStringList{"--length", "45"}
            << "tarvelle-cli: --length '45': is not a length (a number with m or ft, such as "
               "45m or 150ft)";
        QTest::newRow("format") << QStringList{"--format", "xml"}
                                << "tarvelle-cli: --format 'xml': is not a format (text, csv or "
                                   "json)";
        const QString noReport =
            "tarvelle-cli: --project, --site and --prepared-by are printed "
            "on the report: give --report too";
        const QString textOnly =
            "tarvelle-cli: --feed-range writes text only: leave out --format, "
            "or use --choose, whose CSV and JSON give each combination's "
            "feed range";
        for (const char* option : {"--project", "--prepared-by"}) {
            QTest::addRow("%s without a report", option)
                << QStringList{"--length", "45m", option, "A"} << noReport;
        }
        for (const char* format : {"csv", "json"}) {
            QTest::addRow("feed range as %s", format)
                << QStringList{"--length", "45m", "--feed-range", "--format", format} << textOnly;
        }
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << "tarvelle-cli: unknown option '--colour' (see --help)";
        QTest::newRow("argument that is no option")
            << QStringList{"colour"} << "tarvelle-cli: unexpected argument 'colour' (see --help)";
        QTest::newRow("missing value")
            << QStringList{"--pin"} << "tarvelle-cli: --pin needs a value";
        QTest::newRow("missing runs file")
            << QStringList{"--runs", "/nonexistent/runs.csv"}
            << "tarvelle-cli: /nonexistent/runs.csv: cannot be opened: No such file or directory";
    }

    void bad_input_gets_one_line_and_status_two() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.err, message + "\n");
        QVERIFY(outcome.out.isEmpty());
    }

    // Each row is one finding of the review: the files laid out before the
    // run ("name", content pairs), the arguments (@name is a path in the
    // run's folder, @ the folder itself), standard input, the exit status,
    // and what must hold afterwards.
    void findings_data() {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<Check>("check");

        const QStringList hub8 = {"--pin", "20", "--product", "8-port", "--cable", "cat6"};
        const QStringList hub16 = {"--pin", "20", "--product", "16-port", "--cable", "cat6"};
        const auto unchanged = [](const QString& name, const QByteArray& content) {
            return [=](const Outcome& outcome, const QDir& dir) {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), content);
                QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{name});
                QVERIFY(outcome.out.isEmpty());
                QCOMPARE(outcome.err.count('\n'), 1);
            };
        };
        const auto saysOneLine = [](const QString& words) {
            return [=](const Outcome& outcome, const QDir&) {
                QVERIFY(outcome.out.isEmpty());
                QCOMPARE(outcome.err.count('\n'), 1);
                QVERIFY2(outcome.err.contains(words), qPrintable(outcome.err));
            };
        };
        // The CSV rows of the runs, header first.
        const auto csvRuns = [](const Outcome& outcome) {
            const QList<QStringList> rows = parseCsv(outcome.out);
            [&] {
                QVERIFY2(!rows.isEmpty(), qPrintable(outcome.out));
                QCOMPARE(rows.first().value(0), "id");
            }();
            return rows;
        };

        QTest::newRow("review: a level too large to check a run to 0.01 dB is refused")
            << QByteArrayList{} << QStringList{"--pin",          "1e20", "--pmin-analog", "1e20",
                                               "--pmin-digital", "1e20", "--pmax-analog", "1e20",
                                               "--pmax-digital", "1e20", "--product",     "1",
                                               "--length",       "10m"}
            << QByteArray() << 2 << Check(saysOneLine("--pin '1e20': a level this large"));
        QTest::newRow("2: the chosen combination's report reads the runs twice, not from a pipe")
            << QByteArrayList{} << QStringList{"--runs", "-", "--choose", "--report", "@r.html"}
            << QByteArray("45m\n") << 2
            << Check(saysOneLine("--choose with --report reads the runs twice"));
        QTest::newRow("2: a chart that cannot be drawn leaves the file as it was")
            << QByteArrayList{"e.svg", "PRECIOUS\n"}
            << QStringList{"--pin", "1e306", "--plot", "@e.svg"} << QByteArray() << 2
            << Check(unchanged("e.svg", "PRECIOUS\n"));
        QTest::newRow("2: the runs file is never the chart's target")
            << QByteArrayList{"jobs.svg", "room,length\n101,45m\n"}
            << QStringList{"--runs", "@jobs.svg", "--plot", "@jobs.svg"} << QByteArray() << 2
            << Check(unchanged("jobs.svg", "room,length\n101,45m\n"));
        QTest::newRow("2: a chart is not written into a .png")
            << QByteArrayList{"chart.png", "PNG"} << QStringList{"--plot", "@chart.png"}
            << QByteArray() << 2 << Check(unchanged("chart.png", "PNG"));
        QTest::newRow("2: a chart replaces its file whole, nothing left beside it")
            << QByteArrayList{"chart.svg", "OLD"}
            << QStringList{"--pin", "30", "--plot", "@chart.svg"} << QByteArray() << 0
            << Check([](const Outcome&, const QDir& dir) {
                   QFile file(dir.filePath("chart.svg"));
                   QVERIFY(file.open(QIODevice::ReadOnly));
                   QVERIFY(file.readAll().startsWith("<?xml"));
                   QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{"chart.svg"});
               });
        QTest::newRow("3: a directory is no runs file")
            << QByteArrayList{} << QStringList{"--runs", "@"} << QByteArray() << 2
            << Check(saysOneLine("is a directory"));
        QTest::newRow("3: a read error is a failure")
            << QByteArrayList{} << QStringList{"--runs", "/proc/self/mem"} << QByteArray() << 2
            << Check(saysOneLine("/proc/self/mem: cannot be read"));
        QTest::newRow("3: an empty file holds no runs")
            << QByteArrayList{"runs.csv", ""} << QStringList{"--runs", "@runs.csv"} << QByteArray()
            << 2 << Check(saysOneLine("runs.csv: holds no runs"));
        QTest::newRow("3: a header alone holds no runs")
            << QByteArrayList{} << QStringList{"--runs", "-"} << QByteArray("room,length\n\n") << 2
            << Check(saysOneLine("standard input: holds no runs"));
        QTest::newRow("3: endless zeros are no text file")
            << QByteArrayList{} << QStringList{"--runs", "/dev/zero"} << QByteArray() << 2
            << Check(saysOneLine("NUL byte"));
        QTest::newRow("3: a line over 64 KiB is a malformed row")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-", "--format", "csv"})
            << "room,length\n" + QByteArray(100'000, 'x') + ",45m\n102,45m\n"
            << 1 << Check([=](const Outcome& outcome, const QDir&) {
                   QCOMPARE(csvRuns(outcome).size(), 2);
                   QVERIFY(outcome.err.contains("line 2: longer than 64 KiB"));
               });
        QTest::newRow("4: a file without a header keeps its first run")
            << QByteArrayList{"runs.csv", "101,32m\n102,50m\n"}
            << (hub8 + QStringList{"--runs", "@runs.csv", "--format", "csv"}) << QByteArray() << 1
            << Check([=](const Outcome& outcome, const QDir&) {
                   const QList<QStringList> rows = csvRuns(outcome);
                   QCOMPARE(rows.size(), 3);
                   QCOMPARE(rows[1].mid(0, 7),
                            (QStringList{"101", "104.99", "32.00", "fail",
                                         "analog high edge (550 MHz)", "maximum", "-3.44"}));
                   QCOMPARE(rows[2].value(3), "pass");
               });
        QByteArray thousand = "room,length\n";
        for (int i = 1; i <= 1000; ++i) {
            thousand += i == 500 ? "evil,1e308m\n" : "R" + QByteArray::number(i) + ",45m\n";
        }
        QTest::newRow("5: one row no cable run can be is named; the batch goes on")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-", "--format", "csv"})
            << thousand << 1 << Check([=](const Outcome& outcome, const QDir&) {
                   QCOMPARE(csvRuns(outcome).size(), 1000);
                   QCOMPARE(outcome.err,
                            "tarvelle-cli: standard input, line 501: '1e308m' is beyond 10 km: "
                            "no cable run is that long (skipped)\n");
               });
        QTest::newRow("6: runs of exactly the printed worst-case limits pass")
            << QByteArrayList{} << (hub16 + QStringList{"--runs", "-"})
            << QByteArray("a,114.09ft\nb,208.55ft\n") << 0
            << Check([](const Outcome& outcome, const QDir&) {
                   QVERIFY(outcome.out.contains("2 runs checked: 2 pass, 0 fail"));
               });
        QTest::newRow("6: a foot short of the worst-case minimum fails")
            << QByteArrayList{} << (hub16 + QStringList{"--runs", "-"})
            << QByteArray("a,113.09ft\n") << 1 << Check([](const Outcome& outcome, const QDir&) {
                   QVERIFY(outcome.out.contains("above the maximum"));
                   QVERIFY(!outcome.out.contains(" 0.00 dB"));
               });
        // The 8-port hub puts 35 dBmV into Cat6 at 550 MHz, which loses
        // 51.7599 dB per 100 m: 20 dB bring it to the 15 dBmV maximum at
        // 38.6400 m. These runs end 0.0045 dB and 0.0055 dB above it,
        // printed as 0.00 and -0.01.
        QTest::newRow("6: a margin printed as 0.00 passes, one printed as -0.01 fails")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-", "--format", "csv"})
            << QByteArray("in,38.631267093m\nout,38.629335095m\n") << 1
            << Check([=](const Outcome& outcome, const QDir&) {
                   const QList<QStringList> rows = csvRuns(outcome);
                   QCOMPARE(rows.size(), 3);
                   QCOMPARE(rows[1].value(3), "pass");
                   QCOMPARE(rows[2].value(3), "fail");
                   QCOMPARE(rows[2].value(6), "-0.01");
               });
        QTest::newRow("7: fields that a spreadsheet would run get a leading quote")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-", "--format", "csv"})
            << QByteArray("=1+2,32m\n+x,45m\n-5,45m\n@a,45m\n\"\tb\",45m\n\"\rc\",45m\n") << 1
            << Check([=](const Outcome& outcome, const QDir&) {
                   const QList<QStringList> rows = csvRuns(outcome);
                   QStringList ids;
                   for (const QStringList& row : rows.mid(1)) {
                       ids << row.value(0);
                   }
                   QCOMPARE(ids, (QStringList{"'=1+2", "'+x", "'-5", "'@a", "'\tb", "'\rc"}));
                   QCOMPARE(rows[1].value(6), "-3.44");
               });
        QTest::newRow("7: an identifier with a bare CR is quoted")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-", "--format", "csv"})
            << QByteArray("\"a\rb\",45m\n") << 0 << Check([=](const Outcome& outcome, const QDir&) {
                   const QList<QStringList> rows = csvRuns(outcome);
                   QCOMPARE(rows.size(), 2);
                   QCOMPARE(rows[1].value(0), "a\rb");
               });
        for (const char* format : {"csv", "json"}) {
            QTest::addRow("7: invalid UTF-8 becomes U+FFFD in %s", format)
                << QByteArrayList{} << (hub8 + QStringList{"--runs", "-", "--format", format})
                << QByteArray("\xff\xfeid,45m\n") << 0
                << Check([](const Outcome& outcome, const QDir&) {
                       QVERIFY(validUtf8(outcome.rawOut));
                       QVERIFY(outcome.out.contains(QString(2, QChar(0xFFFD)) + "id"));
                       if (outcome.out.startsWith('{')) {
                           QJsonParseError error{};
                           QJsonDocument::fromJson(outcome.rawOut, &error);
                           QCOMPARE(error.error, QJsonParseError::NoError);
                       }
                   });
        }
        QTest::newRow("7: escape sequences never reach the terminal")
            << QByteArrayList{}
            << (hub8 + QStringList{"--runs", "-", "--pmax-digital", "15\x1b]0;title\x07"})
            << QByteArray("\x1b[2J,45m\n102,\x1b]0;pwned\x07m\n") << 2
            << Check([](const Outcome& outcome, const QDir&) {
                   QVERIFY(terminalSafe(outcome.rawErr));
                   QVERIFY(outcome.err.contains("'15\\x1b]0;title\\x07'"));
               });
        QTest::newRow("7: identifiers and length texts are shown escaped")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-"})
            << QByteArray(
                   "\x1b[2J,45m\n102,\x1b]0;pwned\x07m\n\xc2\x9b"
                   "31m,45m\n")
            << 1 << Check([](const Outcome& outcome, const QDir&) {
                   QVERIFY(terminalSafe(outcome.rawOut) && terminalSafe(outcome.rawErr));
                   QVERIFY(outcome.out.startsWith("\\x1b[2J "));
                   QVERIFY(outcome.out.contains("\\u009b31m "));
                   QVERIFY(outcome.err.contains("line 2: '\\x1b]0;pwned\\x07m' is not a length"));
               });
        QTest::newRow("9: columns stay apart at any magnitude")
            << QByteArrayList{} << QStringList{"--pin", "1e8"} << QByteArray() << 0
            << Check([](const Outcome& outcome, const QDir&) {
                   const QRegularExpression line(
                       "^Analog minimum +2068702770\\.31  +630540604\\.39$",
                       QRegularExpression::MultilineOption);
                   QVERIFY2(line.match(outcome.out).hasMatch(), qPrintable(outcome.out));
               });
        QTest::newRow("10: --length says FAIL and exits 1")
            << QByteArrayList{} << (hub8 + QStringList{"--length", "32m"}) << QByteArray() << 1
            << Check([](const Outcome& outcome, const QDir&) {
                   QVERIFY(outcome.out.contains(
                       "Verdict: FAIL  analog high edge (550 MHz): 3.44 dB above the maximum; too "
                       "short: needs 3.44 dB of attenuation; a 6 dB pad brings it into the "
                       "window\n"));
               });
        QTest::newRow("10: --length says PASS in JSON too")
            << QByteArrayList{} << (hub8 + QStringList{"--length", "45m", "--format", "json"})
            << QByteArray() << 0 << Check([](const Outcome& outcome, const QDir&) {
                   const QJsonObject budget =
                       QJsonDocument::fromJson(outcome.rawOut)["budget"].toObject();
                   QCOMPARE(budget["result"].toString(), "pass");
               });
        QTest::newRow("10: --length beside --runs is bad usage")
            << QByteArrayList{} << QStringList{"--runs", "-", "--length", "45m"} << QByteArray()
            << 2 << Check(saysOneLine("cannot be used together"));
        QTest::newRow("10: --version=1 takes no value")
            << QByteArrayList{} << QStringList{"--version=1"} << QByteArray() << 2
            << Check(saysOneLine("tarvelle-cli: --version takes no value"));
        QTest::newRow("10: --help=x takes no value")
            << QByteArrayList{} << QStringList{"--help=x"} << QByteArray() << 2
            << Check(saysOneLine("tarvelle-cli: --help takes no value"));
        QTest::newRow("10: balun is a product name")
            << QByteArrayList{}
            << QStringList{"--pin", "30", "--product", "balun", "--format", "csv"} << QByteArray()
            << 0 << Check([](const Outcome& outcome, const QDir&) {
                   QCOMPARE(figures(outcome.out).mid(0, 2), (QStringList{"299.96", "91.43"}));
               });
        QTest::newRow("10: repeated identifiers are warned of")
            << QByteArrayList{} << (hub8 + QStringList{"--runs", "-"})
            << QByteArray("room,length\n101,45m\n102,45m\n101,46m\n") << 0
            << Check([](const Outcome& outcome, const QDir&) {
                   QCOMPARE(outcome.err,
                            "tarvelle-cli: standard input, line 4: warning: identifier '101' "
                            "repeats line 2\n");
                   QVERIFY(outcome.out.contains("3 runs checked: 3 pass, 0 fail"));
               });
        QTest::newRow("11: rows are checked as they stream; memory does not grow with them")
            << QByteArrayList{"small.csv", manyRuns(10'000), "large.csv", manyRuns(200'000)}
            << (hub8 + QStringList{"--runs", "@large.csv", "--format", "csv"}) << QByteArray() << 0
            << Check([](const Outcome& outcome, const QDir& dir) {
                   QCOMPARE(outcome.out.count('\n'), 200'001);
#ifdef TARVELLE_SANITIZED
                   QSKIP("the sanitizers' own bookkeeping grows with every allocation");
#endif
                   const long small = peakKiB(dir.filePath("small.csv"));
                   const long large = peakKiB(dir.filePath("large.csv"));
                   QVERIFY(small > 0 && large > 0);
                   // Twenty times the rows: only the bounded repeat finder may grow.
                   QVERIFY2(large < small + 6 * 1024,
                            qPrintable(QString("%1 KiB against %2 KiB").arg(large).arg(small)));
               });
    }

    void findings() {
        QFETCH(QByteArrayList, files);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(Check, check);

        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        for (qsizetype i = 0; i + 1 < files.size(); i += 2) {
            QFile file(dir.filePath(QString::fromUtf8(files[i])));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(files[i + 1]);
        }
        for (QString& argument : arguments) {
            if (argument.startsWith('@')) {
                argument = argument == "@" ? dir.path() : dir.filePath(argument.mid(1));
            }
        }
        const Outcome outcome = runCli(arguments, input);
        QVERIFY2(outcome.status == status, qPrintable(outcome.err));
        check(outcome, dir);
    }

    // Ctrl-C or TERM half-way through a report: the target is untouched and
    // no temporary file is left beside it.
    void an_interrupted_report_leaves_nothing_behind() {
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        QProcess process;
        process.start(TARVELLE_CLI,
                      {"--pin", "20", "--runs", "-", "--report", dir.filePath("r.html")});
        QVERIFY(process.waitForStarted());
        process.write("room,length\n101,32m\n");
        QTRY_VERIFY(!dir.entryList(QDir::Files | QDir::Hidden).isEmpty());
        process.terminate();
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList());

        // Started with standard input closed, the temporary file is
        // descriptor 0; a full standard output holds the program there.
        int full[2];
        QVERIFY(::pipe2(full, O_NONBLOCK) == 0);
        while (::write(full[1], "x", 1) == 1) {
        }
        QVERIFY(::fcntl(full[1], F_SETFL, 0) == 0);
        QProcess held;
        held.setChildProcessModifier([&full] {
            ::dup2(full[1], STDOUT_FILENO);
            ::close(STDIN_FILENO);
        });
        held.start(TARVELLE_CLI, {"--length", "45m", "--report", dir.filePath("r.html")});
        QTRY_VERIFY(!dir.entryList(QDir::Files | QDir::Hidden).isEmpty());
        held.terminate();
        QVERIFY(held.waitForFinished());
        ::close(full[0]);
        ::close(full[1]);
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A pipe may bring the first line in pieces: the separator is decided
    // from the whole line (semicolons here, not the commas of "85,50").
    void a_first_line_in_pieces_is_read_whole() {
        int input[2];
        QVERIFY(::pipe2(input, O_CLOEXEC) == 0);
        QProcess process;
        process.setChildProcessModifier([&input] { ::dup2(input[0], STDIN_FILENO); });
        process.start(TARVELLE_CLI,
                      {"--pin", "20", "--product", "8-port", "--cable", "cat6", "--runs", "-"});
        QVERIFY(::write(input[1], "101", 3) == 3);
        int unread = 3;
        QTRY_VERIFY(::ioctl(input[0], FIONREAD, &unread) == 0 && unread == 0);
        QVERIFY(::write(input[1], ";85,50m\n", 8) == 8);
        ::close(input[0]);
        ::close(input[1]);
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardOutput().contains("85.50 m"));
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
