#pragma once

// What a set of runs makes of one scenario: how many pass at its feed level,
// by how much the tightest one passes or falls short, and at which feed
// levels every run (or the most) would pass. Fed run by run.

#include <cstddef>

#include "planning/feed_range.h"
#include "planning/plan_inputs.h"

namespace tarvelle::planning {

struct PlanSummary {
    double levelIn = 0;  // the scenario's feed level, dBmV
    std::size_t runsChecked = 0;
    std::size_t runsPassed = 0;  // at levelIn
    // The smallest margin of any run at levelIn, dB: negative, the shortfall.
    double smallestMargin = 0;
    FeedRange feed;
    bool mixed = false;  // not every run on one product and cable

    bool passesAll() const { return runsChecked > 0 && runsPassed == runsChecked; }
};

class PlanTally {
  public:
    explicit PlanTally(const PlanScenario& scenario) : scenario_(scenario), feed_(scenario) {}

    // On an arithmetic fault it throws and nothing is counted for this run.
    void add(const PlanRun& run);
    // The same, with the run's check at the scenario's feed already made.
    void add(const PlanRun& run, const RunCheck& check);
    PlanSummary summary() const;

  private:
    PlanScenario scenario_;
    FeedRangeAccumulator feed_;
    std::size_t runsPassed_ = 0;
    std::size_t runsChecked_ = 0;
    Combination first_;
    bool mixed_ = false;
    double smallestMargin_ = 0;
};

}  // namespace tarvelle::planning
