#include "ui/planner/background_read.h"

#include <QFileInfo>
#include <QThread>

namespace tarvelle::planner {

FileStamp FileStamp::of(const QString& path) {
    const QFileInfo file(path);
    return {file.exists(), file.lastModified(), file.size()};
}

BackgroundRead::BackgroundRead(const QString& path, planning::Combination defaults, QObject* parent)
    : QObject(parent), path_(path), stamp_(FileStamp::of(path)) {
    thread_ = QThread::create([this, defaults] {
        try {
            planning::FileInput input(path_.toStdString());
            document_ = planning::readRuns(input, defaults, cancel_, bytesRead_);
        } catch (const planning::ReadCancelled&) {
            wasCancelled_ = true;
        } catch (const std::exception& error) {
            error_ = QString::fromStdString(error.what());
        }
    });
    connect(thread_, &QThread::finished, this, &BackgroundRead::finish);
    thread_->start();
}

BackgroundRead::~BackgroundRead() {
    cancel_ = true;
    thread_->wait();
    delete thread_;
}

void BackgroundRead::finish() {
    if (wasCancelled_) {
        emit cancelled();
    } else if (!error_.isEmpty()) {
        emit failed(path_, error_);
    } else {
        emit read(path_);
    }
}

}  // namespace tarvelle::planner
