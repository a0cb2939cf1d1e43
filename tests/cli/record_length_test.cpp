// A runs file's record may be 64 KiB long, not a byte more; a longer one is
// reported and the rows after it are still read.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/cli/run_cli.h"

namespace {

// A record of exactly `bytes` bytes, its line break not counted: a long
// identifier and a length of 45 m, which passes on the 8-port hub and Cat6 at
// 20 dBmV (38.64 to 67.62 m).
QByteArray recordOf(int bytes) {
    const QByteArray length = ",45m";
    return QByteArray(bytes - length.size(), 'r') + length;
}

}  // namespace

class RecordLengthTest : public QObject {
    Q_OBJECT

  private slots:
    void a_record_of_64_kib_is_a_run_and_one_byte_more_is_not_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("runs");
        QTest::newRow("65,536 bytes: a run") << 65536 << 0 << 2;
        QTest::newRow("65,537 bytes: too long") << 65537 << 1 << 1;
    }

    void a_record_of_64_kib_is_a_run_and_one_byte_more_is_not() {
        QFETCH(int, bytes);
        QFETCH(int, status);
        QFETCH(int, runs);
        QTemporaryDir dir;
        QFile file(dir.filePath("runs.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(recordOf(bytes) + "\nafter,45m\n");
        file.close();
        const Outcome outcome = runCli({"--pin", "20", "--product", "8-port", "--cable", "cat6",
                                        "--runs", file.fileName(), "--format", "csv"});
        QCOMPARE(outcome.status, status);
        const QStringList rows = outcome.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 1 + runs);  // the header line first
        QVERIFY(rows.last().startsWith("after,147.64,45.00,pass"));
        if (runs == 2) {
            QCOMPARE(outcome.err, QString());
            QCOMPARE(rows[1].size(),
                     bytes - 4 + QString(",147.64,45.00,pass,,,1.47,cat6,8-port,").size());
        } else {
            QCOMPARE(outcome.err.count('\n'), 1);
            QVERIFY2(outcome.err.contains("line 1") && outcome.err.contains("64 KiB"),
                     qPrintable(outcome.err));
        }
    }
};

QTEST_GUILESS_MAIN(RecordLengthTest)
#include "record_length_test.moc"
