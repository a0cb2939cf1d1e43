#pragma once

// The source levels at which a set of runs passes: every run, or when no
// level passes them all, the most. Runs are fed one at a time, so a file of
// any size is worked in the same memory; which runs still fail at the level
// found is for a second pass over the runs (checkRun at that level).

#include <cstddef>
#include <cstdint>
#include <optional>

#include "planning/feed_histogram.h"
#include "planning/plan_inputs.h"
#include "planning/scenario.h"

namespace tarvelle::planning {

// Feed levels beyond the largest checkable level swallow a cable's whole loss
// at 0.01 dB and are not considered.
inline constexpr auto kLargestFeedSteps = static_cast<std::int64_t>(kLargestCheckableLevel * 100);

// The feed levels, in hundredths of a dBmV, at which one run passes by the
// verdict rule; empty (lowest above highest) when none does. The scenario's
// own level is not used. Throws ArithmeticError when the levels overflow.
struct FeedSteps {
    std::int64_t lowest = 0;
    std::int64_t highest = -1;
    bool empty() const { return lowest > highest; }
};
FeedSteps passingFeeds(const PlanScenario& scenario, const PlanRun& run);

// Source levels, dBmV, both ends at a whole hundredth and passing as printed.
struct LevelSpan {
    double lowest = 0;
    double highest = 0;
    double width() const { return highest - lowest; }
    // The middle, to a hundredth: where every margin is largest.
    double middle() const;
};

struct FeedRange {
    std::size_t runs = 0;
    std::optional<LevelSpan> everyRunPasses;
    // When no level passes every run: the lowest span at which the most do,
    // and how many. Exact while stepDb is 0.01; wider steps (runs whose levels
    // spread over more than about 80 dB) find the span and a count to confirm.
    std::optional<LevelSpan> mostRunsPass;
    std::size_t mostRunsPassing = 0;
    double stepDb = 0.01;

    // The level to set: the middle of whichever span there is.
    std::optional<double> suggestedLevel() const;
};

class FeedRangeAccumulator {
  public:
    explicit FeedRangeAccumulator(const PlanScenario& scenario) : scenario_(scenario) {}

    // On an arithmetic fault it throws and nothing is counted for this run.
    void add(const PlanRun& run);
    FeedRange result() const;

  private:
    PlanScenario scenario_;
    std::size_t runs_ = 0;
    FeedSteps common_{-kLargestFeedSteps, kLargestFeedSteps};
    FeedHistogram histogram_;
};

}  // namespace tarvelle::planning
