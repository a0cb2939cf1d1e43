// Files the user owns: one written over keeps its permissions, and one that
// cannot be placed is refused before any run is checked.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/cli/run_cli.h"

namespace {

const QStringList kRuns{"--pin",   "20",   "--product", "8-port",
                        "--cable", "cat6", "--runs",    "runs.csv"};

void writeRuns(const QTemporaryDir& dir) {
    QFile runs(dir.filePath("runs.csv"));
    runs.open(QIODevice::WriteOnly);
    runs.write("a,45m\nb,50m\n");
}

}  // namespace

class OwnedFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void writing_over_a_file_keeps_its_permissions_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("mode");
        QTest::newRow("a private chart stays private") << "--plot"
                                                       << "chart.svg" << 0600u;
        QTest::newRow("a private report stays private") << "--report"
                                                        << "report.html" << 0600u;
        QTest::newRow("a chart for everyone, executable too") << "--plot"
                                                              << "chart.svg" << 0755u;
    }

    void writing_over_a_file_keeps_its_permissions() {
        QFETCH(QString, option);
        QFETCH(QString, name);
        QFETCH(uint, mode);
        const QTemporaryDir dir;
        writeRuns(dir);
        const QByteArray target = QFile::encodeName(dir.filePath(name));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QCOMPARE(::chmod(target.constData(), mode), 0);

        const Outcome outcome = runCli(kRuns + QStringList{option, name}, {}, dir.path());
        QCOMPARE(outcome.status, 0);
        struct stat written {};
        QCOMPARE(::stat(target.constData(), &written), 0);
        QVERIFY(written.st_size > 3);
        QCOMPARE(uint(written.st_mode & 07777), mode);
    }

    // A file made new is as private as the user's umask asks.
    void a_new_file_follows_the_umask() {
        const QTemporaryDir dir;
        writeRuns(dir);
        const mode_t before = ::umask(077);
        const Outcome outcome =
            runCli(kRuns + QStringList{"--report", "report.html"}, {}, dir.path());
        ::umask(before);
        QCOMPARE(outcome.status, 0);
        struct stat written {};
        QCOMPARE(::stat(QFile::encodeName(dir.filePath("report.html")).constData(), &written), 0);
        QCOMPARE(uint(written.st_mode & 07777), 0600u);
    }

    void a_file_in_a_missing_folder_is_refused_before_any_run_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("chart") << QStringList{"--plot", "missing/chart.svg"};
        QTest::newRow("report") << QStringList{"--report", "missing/report.html"};
        QTest::newRow("report beside a chart")
            << QStringList{"--plot", "chart.svg", "--report", "missing/report.html"};
    }

    void a_file_in_a_missing_folder_is_refused_before_any_run() {
        QFETCH(QStringList, arguments);
        const QTemporaryDir dir;
        writeRuns(dir);
        const Outcome outcome = runCli(kRuns + arguments, {}, dir.path());
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err.count('\n'), 1);
        QVERIFY2(outcome.err.contains("missing/"), qPrintable(outcome.err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"runs.csv"});
    }
};

QTEST_GUILESS_MAIN(OwnedFilesTest)
#include "owned_files_test.moc"
