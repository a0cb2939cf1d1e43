#pragma once

// One window's recovery file: the runs it has not saved, the absolute path of
// the file they came from recorded beside them, and a lock the window holds
// while it lives, so that a window starting meanwhile does not offer them. A
// lock left by a process that died is stale and taken over.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QLockFile;

namespace tarvelle::planner {

class RecoveryFile {
  public:
    // A new one, under a name of its own; nothing written or locked yet.
    RecoveryFile();
    RecoveryFile(RecoveryFile&&) noexcept;
    RecoveryFile& operator=(RecoveryFile&&) noexcept;
    ~RecoveryFile();  // the lock released, the files left

    // Every recovery file that no live window holds, newest first, each now
    // held by the caller.
    static std::vector<RecoveryFile> unclaimed();

    // Locks it, if not yet; false when that cannot be done.
    bool hold();
    QString runsPath() const;
    // Records where the runs came from, whole or not at all; what it returns
    // holds the path, not this, so that it may run on another thread.
    std::function<bool()> sourceRecorder(const QString& source) const;
    // The absolute path recorded, empty for a new, untitled plan.
    QString source() const;
    // The runs, their record and the lock.
    void remove();

  private:
    explicit RecoveryFile(QString stem);
    QString stem_;  // the folder and name each file of it begins with
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace tarvelle::planner
