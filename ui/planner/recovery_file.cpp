#include "ui/planner/recovery_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace tarvelle::planner {

namespace {

QString folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString sourcePath(const QString& stem) {
    return stem + QStringLiteral(".source");
}

}  // namespace

RecoveryFile::RecoveryFile()
    : RecoveryFile(QDir(folder()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces))) {}

RecoveryFile::RecoveryFile(QString stem) : stem_(std::move(stem)) {}

RecoveryFile::RecoveryFile(RecoveryFile&&) noexcept = default;
RecoveryFile& RecoveryFile::operator=(RecoveryFile&&) noexcept = default;
RecoveryFile::~RecoveryFile() = default;

std::vector<RecoveryFile> RecoveryFile::unclaimed() {
    std::vector<RecoveryFile> found;
    const QDir dir(folder());
    for (const QFileInfo& runs :
         dir.entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Time)) {
        RecoveryFile file(dir.filePath(runs.completeBaseName()));
        // Another window may have taken it, and removed it, since it was listed.
        if (file.hold() && QFile::exists(file.runsPath())) {
            found.push_back(std::move(file));
        }
    }
    return found;
}

bool RecoveryFile::hold() {
    if (lock_ != nullptr && lock_->isLocked()) {
        return true;
    }
    QDir().mkpath(folder());
    lock_ = std::make_unique<QLockFile>(runsPath() + QStringLiteral(".lock"));
    // Stale only when its process is gone: a window open for a long time
    // still holds its file.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

QString RecoveryFile::runsPath() const {
    return stem_ + QStringLiteral(".csv");
}

std::function<bool()> RecoveryFile::sourceRecorder(const QString& source) const {
    return [at = sourcePath(stem_), bytes = source.toUtf8()] {
        QSaveFile file(at);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
               file.commit();
    };
}

QString RecoveryFile::source() const {
    QFile file(sourcePath(stem_));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void RecoveryFile::remove() {
    QFile::remove(runsPath());
    QFile::remove(sourcePath(stem_));
    lock_.reset();  // unlocked, and its file removed
}

}  // namespace tarvelle::planner
