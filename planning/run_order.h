#pragma once

// The order of a building's runs by one of their values, compared straight
// from the values: a table sorting a million runs makes some twenty million
// comparisons.

#include "planning/plan_results.h"

namespace tarvelle::planning {

enum class RunKey {
    Identifier,
    Length,
    Cable,
    Product,
    Level0,
    Level1,
    Level2,
    Level3,
    Margin,
    Verdict
};

// Whether run `a` (with its result) comes before run `b` by `key`. Runs
// without computed levels come before the rest by a level or the margin; by
// the verdict, failing runs come before passing ones, each the smallest
// margin first.
bool sortsBefore(RunKey key, const PlannedRun& a, const RunResult& resultA, const PlannedRun& b,
                 const RunResult& resultB);

}  // namespace tarvelle::planning
