#pragma once

// Every run of a building checked against one scenario, with what a planner
// shows for each: the levels at the band edges, the smallest margin, the
// verdict in words and the fix; and for the whole: how many pass, the feed
// range and the ranking of the nine products and cables.

#include <array>
#include <string>
#include <vector>

#include "planning/combination_rank.h"
#include "planning/runs_document.h"
#include "planning/wording.h"

namespace tarvelle::planning {

// A run's verdict and fix in words are not kept: see verdictText below.
struct RunResult {
    bool computed = false;             // false: the levels overflow, nothing else is set
    std::array<double, 4> received{};  // dBmV at the plan's four band edges
    bool pass = false;
    double margin = 0;
};

struct PlanResults {
    PlanScenario scenario;  // what the runs were checked against
    std::vector<RunResult> runs;
    PlanSummary summary;
    std::size_t faulted = 0;
    std::string summaryLine;  // "12 runs: 10 pass, 2 fail; smallest margin -3.44 dB"
    std::string feedLine;     // the feed levels at which every run (or the most) pass
};

// Throws ArithmeticError when the scenario's own levels overflow.
PlanResults checkAll(const PlanScenario& scenario, const std::vector<PlannedRun>& runs,
                     const Wording& wording);

// A run's verdict in words, "PASS" or "FAIL: 3.44 dB above the maximum at
// the analog high edge (550 MHz)", and its fix ("" for a passing run): worked
// when shown, since a building's fixes take longer than its checks. Throw
// ArithmeticError when the levels overflow.
std::string verdictText(const PlanScenario& scenario, const PlannedRun& run);
std::string fixTextFor(const PlanScenario& scenario, const PlannedRun& run, const Wording& wording);

// The nine combinations, each tallied with every run moved onto it, best
// first by ranksBefore.
std::vector<CombinationSummary> rankCombinations(const PlanScenario& scenario,
                                                 const std::vector<PlannedRun>& runs);

}  // namespace tarvelle::planning
