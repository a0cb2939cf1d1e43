#pragma once

// Which product configuration and cable category make a set of runs work:
// every combination of the two tables, checked against the same level inputs,
// receiver windows and plan. Runs are fed one at a time, so a file of any
// size is checked in the same memory.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <vector>

#include "engine/distance_calculation.h"
#include "planning/combination_rank.h"
#include "planning/plan_inputs.h"
#include "planning/plan_tally.h"

namespace tarvelle::planning {

struct CombinationResult {
    Combination combination;
    // The six distances for this combination; the worst case is the range of
    // lengths every band accepts.
    Distances distances;
    // When no length works: by how many dB the receiver windows are too narrow.
    std::optional<double> noLengthShortfall;
    std::size_t runsChecked = 0;
    std::size_t runsPassed = 0;
    // The smallest margin of any run so far, dB, and the run it belongs to.
    double smallestMargin = 0;
    std::string tightestRun;
    double tightestRunMeters = 0;

    bool passesAll() const { return runsChecked > 0 && runsPassed == runsChecked; }
};

inline constexpr std::size_t kCombinationCount = 9;

// The plan's inputs as the planning core takes them.
PlanScenario planScenario(const CalculationInputs& inputs, const FrequencyPlan& plan);

struct Recommendation {
    Combination combination;
    bool passesAll;
    double smallestMargin;  // dB; negative: by how much the best one falls short
    std::size_t runsPassed;
    PlanSummary plan;  // with the feed levels at which every run (or most) passes
};

class ChoiceAccumulator {
  public:
    // The product and cable of the inputs are not used: every combination is
    // tried in their place. Throws ArithmeticError when the inputs overflow.
    ChoiceAccumulator(const CalculationInputs& inputs, const FrequencyPlan& plan);

    // Checks one run on every combination; on an arithmetic fault it throws
    // and nothing is counted for this run.
    void add(std::string_view id, double meters);

    std::size_t runsChecked() const { return results_[0].runsChecked; }

    // Product by product, cable by cable within each.
    const std::array<CombinationResult, kCombinationCount>& results() const { return results_; }

    // Each combination's tally, in the order of results().
    std::vector<CombinationSummary> summaries() const;

    // The combination that ranks first (ranksBefore; on a tie, the one listed
    // first); none before any run.
    std::optional<Recommendation> recommendation() const;

  private:
    CalculationInputs inputs_;
    FrequencyPlan plan_;
    std::array<CombinationResult, kCombinationCount> results_;
    std::vector<PlanTally> tallies_;
};

}  // namespace tarvelle::planning
