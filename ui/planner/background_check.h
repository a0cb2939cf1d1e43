#pragma once

// Every run checked on a thread of its own, so that the window answers while
// a large building is checked; a check given up for a later one stops soon
// after and says nothing.

#include <QObject>
#include <atomic>

#include "planning/plan_results.h"

class QThread;

namespace tarvelle::planner {

class BackgroundCheck : public QObject {
    Q_OBJECT

  public:
    explicit BackgroundCheck(planning::PlanCheck check);
    // Stops the check and waits for its thread.
    ~BackgroundCheck() override;

    // What the check found, once checked() has been signalled.
    planning::CheckedPlan takeChecked() { return std::move(checked_); }

  signals:
    void checked();

  private:
    void finish();

    planning::PlanCheck check_;
    planning::CheckedPlan checked_;
    std::atomic<bool> stop_ = false;
    bool stopped_ = false;
    QThread* thread_;
};

}  // namespace tarvelle::planner
