#pragma once

// Every run of a building checked against one scenario, with what a planner
// shows for each: the levels at the band edges, the smallest margin, the
// verdict in words and the fix; and for the whole: how many pass, the feed
// range, the ranking of the nine products and cables, the chart, and the
// runs in the order the table asks for.

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "planning/combination_rank.h"
#include "planning/run_order.h"
#include "planning/run_result.h"
#include "planning/runs_document.h"
#include "planning/units.h"
#include "planning/wording.h"

namespace tarvelle::planning {

struct PlanResults {
    PlanScenario scenario;  // what the runs were checked against
    std::vector<RunResult> runs;
    PlanSummary summary;
    std::size_t faulted = 0;
    std::string summaryLine;  // "12 runs: 10 pass, 2 fail; smallest margin -3.44 dB"
    std::string feedLine;     // the feed levels at which every run (or the most) pass
};

// What checking every run takes. The runs are read as they are checked, on
// whichever thread checks them: they stay unchanged until it is done or stopped.
struct PlanCheck {
    PlanScenario scenario;
    Wording wording;
    std::span<const PlannedRun> runs;
    bool rank = false;            // the nine combinations as well
    std::optional<RunSort> sort;  // the runs' order as well
    // The chart's product and cable, and its unit.
    Combination shown;
    LevelUnit unit = LevelUnit::DBmV;
    // Results no longer shown, whose memory the new ones take: fresh memory
    // costs a large building's check as much as the check itself.
    std::vector<RunResult> room;
};

// Whether a check takes a few milliseconds at most, so that it can be made
// at once where it is asked for rather than on a thread of its own.
bool quickToCheck(const PlanCheck& check);

struct CheckedPlan {
    PlanResults results;
    bool overflow = false;  // the scenario's own levels overflow: no run is computed
    bool ranked = false;    // the nine combinations were asked for
    std::vector<CombinationSummary> ranking;  // best first; empty when none can be ranked
    std::vector<std::uint32_t> order;         // the runs sorted, when asked
    std::string chart;                        // SVG, or empty and
    std::string chartProblem;                 // why it cannot be drawn
};

// A check given up: a later one supersedes it.
struct CheckStopped : std::runtime_error {
    CheckStopped() : std::runtime_error("check stopped") {}
};

// Throws CheckStopped soon after `stop` turns true.
CheckedPlan checkPlan(PlanCheck check, const std::atomic<bool>& stop);

// Keeps `results` in step with the runs through an edit made before the check
// of the edited runs is back: the runs the edit puts in place wait for it.
// Runs beyond the end of `results` wait already.
void apply(std::vector<RunResult>& results, const RunsEdit& edit);

// A run's verdict in words, "PASS" or "FAIL: 3.44 dB above the maximum at
// the analog high edge (550 MHz)", and its fix ("" for a passing run): worked
// when shown, since a building's fixes take longer than its checks. Throw
// ArithmeticError when the levels overflow.
std::string verdictText(const PlanScenario& scenario, const PlannedRun& run);
std::string fixTextFor(const PlanScenario& scenario, const PlannedRun& run, const Wording& wording);

}  // namespace tarvelle::planning
