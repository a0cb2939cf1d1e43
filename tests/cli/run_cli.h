#pragma once

// Runs the built tarvelle-cli as a user would, with a fixed clock so that
// dated output is the same on every run.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Outcome {
    int status;  // -1 when the program did not end by itself
    QString out;
    QString err;
    QByteArray rawOut;
    QByteArray rawErr;
};

inline Outcome runCli(const QStringList& arguments, const QByteArray& input = {},
                      const QString& folder = {}) {
    QProcess process;
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SOURCE_DATE_EPOCH", "1700000000");
    process.setProcessEnvironment(environment);
    process.start(TARVELLE_CLI, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120'000);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromUtf8(out), QString::fromUtf8(err), out, err};
}
