#include "planning/run_marks.h"

#include <algorithm>
#include <cmath>

namespace tarvelle::planning {

void RunMarks::add(double meters, bool pass, bool onChartInputs) {
    ++total_;
    onOtherInputs_ += onChartInputs ? 0 : 1;
    if (!(meters <= limitMeters_)) {
        ++beyondLimit_;
        return;
    }
    longest_ = std::max(longest_, meters);
    Counts& counts = counts_[std::round(meters / resolution_)];
    (pass ? counts.passed : counts.failed) += 1;
    while (counts_.size() > kMaxRunMarks) {
        coarsen();
    }
}

void RunMarks::coarsen() {
    const double finer = resolution_;
    resolution_ *= 2;
    std::map<double, Counts> merged;
    for (const auto& [key, counts] : counts_) {
        Counts& into = merged[std::round(key * finer / resolution_)];
        into.passed += counts.passed;
        into.failed += counts.failed;
    }
    counts_ = std::move(merged);
}

std::vector<RunMarks::Mark> RunMarks::marks() const {
    std::vector<Mark> marks;
    marks.reserve(counts_.size());
    for (const auto& [key, counts] : counts_) {
        marks.push_back({key * resolution_, counts.passed, counts.failed});
    }
    return marks;
}

}  // namespace tarvelle::planning
