#pragma once

// The order of a building's runs by one of their values, worked with every
// run's check on the check's thread: a table sorting a million runs itself
// holds the window for most of a second.

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "planning/run_result.h"
#include "planning/runs_document.h"

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

struct RunSort {
    RunKey key = RunKey::Identifier;
    bool descending = false;
};

// The positions of `runs` in order by `sort.key`, runs of equal value in the
// file's order either way. Runs without computed levels come before the rest
// by a level or the margin; by the verdict, failing runs come before passing
// ones, each the smallest margin first. Throws CheckStopped soon after `stop`
// turns true.
std::vector<std::uint32_t> runOrder(std::span<const PlannedRun> runs,
                                    std::span<const RunResult> results, RunSort sort,
                                    const std::atomic<bool>& stop);

}  // namespace tarvelle::planning
