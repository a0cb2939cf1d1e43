#pragma once

// Which product on which cable to recommend for a set of runs, and why.

#include <string>

#include "planning/plan_inputs.h"
#include "planning/plan_tally.h"
#include "planning/wording.h"

namespace tarvelle::planning {

// One combination's tally: feed it the runs with the combination in place of
// each run's own (PlanRun{meters, combination}).
struct CombinationSummary {
    Combination combination;
    PlanSummary plan;
};

// First the combinations at which some feed level passes every run, the
// widest such range first; then the most runs passing at the given feed;
// then the largest smallest margin (all pass) or the smallest shortfall.
// Combinations equal on all three keep their table order (stable_sort).
bool ranksBefore(const CombinationSummary& a, const CombinationSummary& b);

// Why the first-ranked combination won, at what feed level, in one sentence.
std::string recommendationReason(const CombinationSummary& best, const Wording& wording);

// The reason as said on its own: "Choose the ...: ...." or, when no feed level
// passes every run, "Best: the ...: ....".
std::string recommendationLine(const CombinationSummary& best, const Wording& wording);

}  // namespace tarvelle::planning
