#include "ui/planner/background_check.h"

#include <QThread>

namespace tarvelle::planner {

BackgroundCheck::BackgroundCheck(planning::PlanCheck check) : check_(std::move(check)) {
    thread_ = QThread::create([this] {
        try {
            checked_ = planning::checkPlan(std::move(check_), stop_);
        } catch (const planning::CheckStopped&) {
            stopped_ = true;
        }
    });
    connect(thread_, &QThread::finished, this, &BackgroundCheck::finish);
    thread_->start();
}

BackgroundCheck::~BackgroundCheck() {
    stop_ = true;
    thread_->wait();
    delete thread_;
}

void BackgroundCheck::finish() {
    if (!stopped_) {
        emit checked();
    }
}

}  // namespace tarvelle::planner
