#include "planning/plan_tally.h"

#include <algorithm>

namespace tarvelle::planning {

void PlanTally::add(const PlanRun& run) {
    add(run, checkRun(scenario_, run));
}

void PlanTally::add(const PlanRun& run, const RunCheck& check) {
    feed_.add(run);
    mixed_ = mixed_ || (runsChecked_ > 0 && !(run.combination == first_));
    first_ = runsChecked_ == 0 ? run.combination : first_;
    smallestMargin_ = runsChecked_ == 0 ? check.margin : std::min(smallestMargin_, check.margin);
    ++runsChecked_;
    runsPassed_ += check.pass ? 1 : 0;
}

PlanSummary PlanTally::summary() const {
    return {scenario_.levelIn, runsChecked_, runsPassed_, smallestMargin_, feed_.result(), mixed_};
}

}  // namespace tarvelle::planning
