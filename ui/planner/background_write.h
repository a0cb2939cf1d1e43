#pragma once

// The runs written as CSV on a thread of their own, so that the window
// answers while a large building is written; whole or not at all: a write
// stopped for a later one leaves the file as it was.

#include <QString>
#include <functional>
#include <span>
#include <thread>

#include "planning/runs_document.h"

namespace tarvelle::planner {

class BackgroundWrite {
  public:
    // The runs are read as they are written: they stay unchanged until the
    // write is done or stopped. `before` is called on the write's thread first,
    // so that what it records is in place before the file is; when it fails,
    // nothing is written.
    BackgroundWrite(QString path, std::span<const planning::PlannedRun> runs,
                    std::function<bool()> before);

  private:
    std::jthread thread_;  // stopped and waited for when destroyed
};

}  // namespace tarvelle::planner
