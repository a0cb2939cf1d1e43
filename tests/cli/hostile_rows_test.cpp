// Inputs an attacker or a careless user gives the built program: a runs file
// and options in, then the exit status, the files left and the text said.
// A run that exits 2 must leave its folder exactly as it was.

#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

struct Row {
    const char* name;
    QByteArray runs;    // written to runs.csv
    QStringList setup;  // "name=content" makes a file, "link->target" a link
    QStringList args;
    int status;            // -1: ended by `signal`
    QStringList expected;  // "err:", "out:" or "FILE:" then a text; "!" first: absent
    const char* env = "";
    int signal = 0;  // sent once the report's temporary file exists
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

const QByteArray kLong = "\"" + QByteArray(70'000, 'x') + "\n202,5m\n\",3m\n303,40m\n";
const QByteArray kThousand = "room,length\n" + QByteArray("1,5m\n").repeated(1000);
// As many different identifiers as are remembered, the last of them then repeated.
const QByteArray kRemembered = [] {
    QByteArray runs = "room,length\n";
    for (int id = 1; id <= 65'536; ++id) {
        runs += QByteArray::number(id) + ",5m\n";
    }
    return runs + "65536,5m\n";
}();
const QString kLongName = QString(246, 'n') + ".svg";
// A JSON row six times the length of its identifier: longer than the block
// rows are written into.
const QByteArray kControls(60'000, '\x01');
const QString kControlsInJson = '"' + QString("\\u0001").repeated(60'000) + '"';
const QStringList kRuns{"--pin",   "20",   "--product", "8-port",
                        "--cable", "cat6", "--runs",    "runs.csv"};
const QStringList kReport = kRuns + QStringList{"--report", "r.html"};
const QStringList kBoth = kReport + QStringList{"--plot", "c.svg"};

// clang-format off
const Row kRows[] = {
    // 85.50 m at 20 dBmV on the 8-port hub over Cat6: 860 MHz gets 35 - 67.65 * 0.855 = -22.84
    // dBmV, 10.84 dB below the -12 dBmV minimum.
    {"semicolons and decimal commas", "101;85,50m\n102;92,40m\n", {}, kRuns, 1,
     {"out:85.50 m", "out:digital high edge (860 MHz): 10.84 dB below", "out:92.40 m"}},
    {"tabs and decimal commas", "room\tlength\n101\t85,50m\n", {}, kRuns, 1, {"out:85.50 m"}},
    {"byte order mark, blank line, semicolons", "\xEF\xBB\xBF\n101;85,50m\n", {}, kRuns, 1,
     {"out:85.50 m"}},
    {"tab after the last field", "101,45m\t\n102,5m\n", {}, kRuns, 1,
     {"out:45.00 m", "out:5.00 m"}},
    {"tabs beside a cable's name", "101,45m,\tcat6\t\n", {}, kRuns, 0, {"out:45.00 m"}},
    // An encoded surrogate is no character: each of its bytes is shown replaced.
    {"surrogate in an identifier", "A\xed\xa0\x80" "B,45m\n", {},
     kRuns + QStringList{"--format", "csv"}, 0, {"out:A\uFFFD\uFFFD\uFFFDB,"}},
    {"overlong encoding in an identifier", "A\xc1\x81" "B,45m\n", {}, kRuns, 0,
     {"out:A\\xc1\\x81B"}},
    {"lead byte beyond the last code point", "A\xf5\x80\x80\x80" "B,45m\n", {}, kRuns, 0,
     {"out:A\\xf5\\x80\\x80\\x80B"}},
    {"accented identifier", "\u00C0rea 2,45m\n", {}, kRuns + QStringList{"--format", "csv"}, 0,
     {"out:\u00C0rea 2,"}},
    {"separator ambiguous", "Lobby; east,40m\n", {}, kRuns, 2,
     {"err:line 1: both commas and semicolons could separate its fields"}},
    {"semicolon in a comma file", "room,length\n101;85,50m\n102,40m\n", {}, kRuns, 1,
     {"err:line 2: a semicolon or tab and a number", "!out:101"}},
    {"semicolon before a comma file's first field", "room,length\n;85,50m\n102,40m\n", {}, kRuns,
     1, {"err:line 2: a semicolon or tab and a number", "!out:;85"}},
    {"over-long quoted record", "room,length\n101," + kLong, {}, kRuns, 1,
     {"err:lines 2-4: longer than 64 KiB", "out:303", "!out:202"}},
    {"over-long quoted record, CRLF",
     QByteArray("room,length\n101," + kLong).replace("\n", "\r\n"), {}, kRuns, 1,
     {"err:lines 2-4: longer than 64 KiB", "out:303", "!out:202"}},
    {"exponent before a quoted field", "id,length_m,cable\n101,1e2,\"1\"\n", {}, kRuns, 1,
     {"out:100.00 m"}},
    {"signed length before a quoted note", "id,length_m,notes\n101,+12,\"East wing\"\n", {}, kRuns,
     1, {"out:12.00 m"}},
    {"length beyond 10 km", "101,20000m\n102,45m\n", {}, kRuns, 1, {"err:beyond 10 km"}},
    {"length of exactly 10 km", "101,10000m\n", {}, kRuns, 1, {"out:10000.00 m", "!err:beyond"}},
    {"length of 0 m", "101,0m\n", {}, kRuns, 1, {"out:0.00 m"}},
    {"length option beyond 10 km", "", {}, {"--length", "1e300m"}, 2, {"err:beyond 10 km"}},
    {"bidi override shown", "\u202E102,45m\n", {}, kReport, 0,
     {"r.html:\u27E8U+202E\u27E9102", "out:\\u202e102"}},
    {"bidi override and embedding in JSON", "\u202E\u202A102,45m\n", {},
     kRuns + QStringList{"--format", "json"}, 0, {"out:\"\\u202e\\u202a102\""}},
    {"row of 360 kB", kControls + ",45m\n", {}, kRuns + QStringList{"--format", "json"}, 0,
     {"out:{\"id\": " + kControlsInJson + ", \"length_ft\": 147.64"}},
    {"repeats summarised", kThousand, {}, kRuns, 1,
     {"err:999 runs repeat an earlier identifier", "!err:line 8:"}},
    {"report capped", kThousand + "2,100m\n" + QByteArray("3,45m\n").repeated(5), {}, kReport, 1,
     {"r.html:Not listed: 5 runs (5 pass, 0 fail)", "r.html:class=\"id\">2<", "!r.html:class=\"id\">3<"}},
    {"chart link leads nowhere", "1,45m\n", {"r.html=old", "c.svg->gone/c.svg"}, kBoth, 2,
     {"err:leads nowhere"}},
    {"chart link onto the report", "1,45m\n", {"r.html=old", "c.svg->r.html"}, kBoth, 2,
     {"err:is the same file"}},
    {"name at the limit", "1,45m\n", {}, kRuns + QStringList{"--plot", kLongName}, 0,
     {kLongName + ":<svg"}},
    {"bad SOURCE_DATE_EPOCH", "1,45m\n", {}, kReport, 2, {"err:SOURCE_DATE_EPOCH '17e8'"}, "17e8"},
    {"file size limit", kThousand, {}, kReport, 2,
     {"err:r.html: cannot be written: File too large"}, "", 0, 8192},
    {"SIGQUIT while reading", "", {}, {"--runs", "-", "--report", "r.html"}, -1, {}, "", SIGQUIT},
    {"SIGUSR1 while reading", "", {}, {"--runs", "-", "--report", "r.html"}, -1, {}, "", SIGUSR1},
    // Rows already checked stay on the terminal when a later line is not text.
    {"NUL after three rows", QByteArray("G0,20m\nG1,20m\nG2,20m\n") + '\0' + ",3\nG3,4m\n",
     {}, kRuns, 2, {"out:G2 ", "!out:G3", "err:holds a NUL byte on line 4"}},
    {"repeat among many identifiers", "room,length\nR179,20m\nS1542,22m\nR179,25m\n", {},
     kRuns, 1, {"err:line 4: warning: identifier 'R179' repeats line 2", "!err:S1542"}},
    {"repeat of the last identifier remembered", kRemembered, {}, kRuns, 1,
     {"err:line 65538: warning: identifier '65536' repeats line 65537"}},
    // 99 kB: the last row, with no line end, lies beyond the first read.
    {"last row past the first read", QByteArray("V,20m\n").repeated(16'500) + "LAST,3m", {},
     kRuns, 1, {"out:16501 runs checked", "out:LAST "}},
    // An analog window 1 dB wide: no length of cable brings both of its edges into it.
    {"window too narrow", "N1,20m\n", {},
     {"--pin", "20", "--pmin-analog", "10", "--pmax-analog", "11", "--runs", "runs.csv"}, 1,
     {"out:dB too narrow for the levels at the outlet\n", "out:\n1 run checked: 0 pass, 1 fail"}},
    // A run too short, one too long and one that fails at the same edge as the long one.
    {"each failing edge named", "S1,1m\nL1,200m\nM1,40m\n", {},
     {"--pin", "20", "--pmax-digital", "5", "--pmin-digital", "-60", "--format", "csv",
      "--runs", "runs.csv"}, 1,
     {"out:S1,3.28,1.00,fail,digital low edge (550 MHz),maximum,",
      "out:L1,656.17,200.00,fail,analog high edge (550 MHz),minimum,"}},
    {"value missing", "", {}, {"--pin", "--length", "45m"}, 2, {"err:--pin needs a value"}},
    {"empty file name", "", {}, {"--runs", ""}, 2, {"err:--runs needs a value"}},
    {"double dash ends options", "", {}, {"--pin", "20", "--"}, 0, {"out:Analog minimum"}},
};
// clang-format on

QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::NoDotAndDotDot | QDir::System)) {
        QFile file(info.filePath());
        files[info.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }
    return files;
}

}  // namespace

class HostileRowsTest : public QObject {
    Q_OBJECT

  private slots:
    void hostile_row_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kRows)); ++i) {
            QTest::newRow(kRows[i].name) << i;
        }
    }

    void hostile_row() {
        QFETCH(int, row);
        const Row& r = kRows[row];
        QTemporaryDir folder;
        QFile runs(folder.filePath("runs.csv"));
        QVERIFY(runs.open(QIODevice::WriteOnly) && runs.write(r.runs) == r.runs.size());
        runs.close();
        for (const QString& made : r.setup) {
            if (made.contains("->")) {
                QVERIFY(
                    QFile::link(made.section("->", 1), folder.filePath(made.section("->", 0, 0))));
            } else {
                QFile file(folder.filePath(made.section('=', 0, 0)));
                QVERIFY(file.open(QIODevice::WriteOnly) &&
                        file.write(made.section('=', 1).toUtf8()));
            }
        }
        const auto before = snapshot(folder.path());

        QProcess process;
        process.setWorkingDirectory(folder.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SOURCE_DATE_EPOCH", *r.env ? r.env : "1700000000");
        process.setProcessEnvironment(environment);
        const rlim_t limit = r.fileSizeLimit;
        process.setChildProcessModifier([limit] {
            const rlimit size{limit, limit};
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_FSIZE, &size);
            setrlimit(RLIMIT_CORE, &noCore);
        });
        process.start(TARVELLE_CLI, r.args);
        QVERIFY(process.waitForStarted());
        if (r.signal != 0) {
            // Standard input stays open, so the program waits with its file begun.
            QTRY_VERIFY_WITH_TIMEOUT(
                QDir(folder.path()).entryList({".r.html.*"}, QDir::Hidden | QDir::Files).size() ==
                    1,
                30'000);
            ::kill(static_cast<pid_t>(process.processId()), r.signal);
        } else {
            process.write(r.runs);
            process.closeWriteChannel();
        }
        QVERIFY(process.waitForFinished(60'000));
        const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        const QMap<QString, QByteArray> said{{"out", process.readAllStandardOutput()},
                                             {"err", process.readAllStandardError()}};
        QCOMPARE(status, r.status);
        const auto after = snapshot(folder.path());
        if (r.status != 0 && r.status != 1) {
            QCOMPARE(after, before);
        }
        for (const QString& name : after.keys()) {
            QVERIFY2(!name.startsWith('.'), qPrintable("left behind: " + name));
        }
        for (QString expected : r.expected) {
            const bool absent = expected.startsWith('!');
            expected.remove(0, absent ? 1 : 0);
            const QString where = expected.section(':', 0, 0);
            const QByteArray text = expected.section(':', 1).toUtf8();
            const QByteArray in = said.contains(where) ? said[where] : after.value(where);
            QVERIFY2(in.contains(text) != absent, qPrintable(expected + "\nin: " + in.left(2000)));
        }
    }
};

QTEST_GUILESS_MAIN(HostileRowsTest)
#include "hostile_rows_test.moc"
