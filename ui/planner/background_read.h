#pragma once

// A runs file read on a thread of its own, so that the window stays
// responsive and the read can be cancelled; the window polls its progress.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "planning/runs_document.h"

class QThread;

namespace tarvelle::planner {

// What tells that a file was changed behind the window's back.
struct FileStamp {
    bool exists = false;
    QDateTime modified;
    qint64 size = 0;

    static FileStamp of(const QString& path);
    bool operator==(const FileStamp&) const = default;
};

class BackgroundRead : public QObject {
    Q_OBJECT

  public:
    BackgroundRead(const QString& path, planning::Combination defaults, QObject* parent);
    ~BackgroundRead() override;

    // Bytes read so far, and the file as it was before reading began.
    std::size_t bytesRead() const { return bytesRead_.load(std::memory_order_relaxed); }
    const FileStamp& stamp() const { return stamp_; }
    void cancel() { cancel_ = true; }
    // The runs read, once read() has been signalled.
    planning::RunsDocument takeDocument() { return std::move(document_); }

  signals:
    void read(const QString& path);
    void failed(const QString& path, const QString& reason);
    void cancelled();

  private:
    void finish();

    QString path_;
    FileStamp stamp_;
    std::atomic<bool> cancel_ = false;
    std::atomic<std::size_t> bytesRead_ = 0;
    planning::RunsDocument document_;
    QString error_;
    bool wasCancelled_ = false;
    QThread* thread_;
};

}  // namespace tarvelle::planner
