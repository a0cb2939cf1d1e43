#include "planning/plan_results.h"

#include <algorithm>

#include "engine/arithmetic_error.h"
#include "planning/plan_report.h"
#include "planning/printed_number.h"
#include "planning/run_fix.h"
#include "planning/svg_chart.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

constexpr const char* kOverflow = "Run-time error: Overflow";

// How many runs are checked between two looks at whether to stop.
constexpr std::size_t kStopStride = 4096;
// Runs checked in a few milliseconds; ranking the nine combinations takes
// about as long again for each.
constexpr std::size_t kQuickRuns = 20'000;
constexpr std::size_t kRankingCost = 10;

void stopIfAsked(std::size_t run, const std::atomic<bool>& stop) {
    if (run % kStopStride == 0 && stop.load(std::memory_order_relaxed)) {
        throw CheckStopped();
    }
}

RunResult resultOf(const RunCheck& check) {
    RunResult result;
    result.status = RunStatus::Computed;
    for (std::size_t edge = 0; edge < result.received.size(); ++edge) {
        result.received[edge] = check.edges[edge].received;
    }
    result.pass = check.pass;
    result.margin = check.margin;
    return result;
}

std::string feedLine(const FeedRange& feed, const Wording& wording) {
    const auto span = [&](const LevelSpan& levels) {
        return "from " + wording.level(levels.lowest) + " to " + wording.level(levels.highest);
    };
    if (feed.everyRunPasses) {
        return "Every run passes with a feed " + span(*feed.everyRunPasses) + " (suggested " +
               wording.level(*feed.suggestedLevel()) + ").";
    }
    if (feed.mostRunsPass) {
        return "No feed level passes every run; " + std::to_string(feed.mostRunsPassing) + " of " +
               std::to_string(feed.runs) + " pass with a feed " + span(*feed.mostRunsPass) + ".";
    }
    return "No feed level passes any run.";
}

// Throws ArithmeticError when the scenario's own levels overflow.
PlanResults checkAll(const PlanScenario& scenario, std::span<const PlannedRun> runs,
                     const Wording& wording, const std::atomic<bool>& stop,
                     std::vector<RunResult> room) {
    PlanResults results;
    results.scenario = scenario;
    results.runs = std::move(room);
    results.runs.clear();
    results.runs.reserve(runs.size());
    PlanTally tally(scenario);
    // One check a run serves its row and the tally; the row is kept only once
    // the tally has taken the run, so that a fault leaves one row, not two.
    for (const PlannedRun& run : runs) {
        stopIfAsked(results.runs.size(), stop);
        try {
            const PlanRun planRun{run.meters, run.combination};
            const RunCheck check = checkRun(scenario, planRun);
            tally.add(planRun, check);
            results.runs.push_back(resultOf(check));
        } catch (const ArithmeticError&) {
            results.runs.push_back({.status = RunStatus::Overflow});
            ++results.faulted;
        }
    }
    results.summary = tally.summary();
    const PlanSummary& summary = results.summary;
    results.summaryLine = std::to_string(summary.runsChecked) +
                          " runs: " + std::to_string(summary.runsPassed) + " pass, " +
                          std::to_string(summary.runsChecked - summary.runsPassed) + " fail";
    if (summary.runsChecked > 0) {
        results.summaryLine += "; smallest margin " + decibels(summary.smallestMargin);
    }
    if (results.faulted > 0) {
        results.summaryLine += "; " + std::to_string(results.faulted) + " cannot be computed";
    }
    results.feedLine = summary.runsChecked > 0 ? feedLine(summary.feed, wording) : "";
    return results;
}

// The nine combinations, each tallied with every run moved onto it, best
// first by ranksBefore.
std::vector<CombinationSummary> rankCombinations(const PlanScenario& scenario,
                                                 std::span<const PlannedRun> runs,
                                                 const std::atomic<bool>& stop) {
    std::vector<CombinationSummary> ranked;
    for (std::int16_t product = 0; product < 3; ++product) {
        for (std::int16_t cable = 0; cable < 3; ++cable) {
            const Combination combination{product, cable};
            PlanTally tally(scenario);
            for (std::size_t run = 0; run < runs.size(); ++run) {
                stopIfAsked(run, stop);
                try {
                    tally.add({runs[run].meters, combination});
                } catch (const ArithmeticError&) {
                    // counted by checkAll; a combination is ranked on the rest
                }
            }
            ranked.push_back({combination, tally.summary()});
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(), ranksBefore);
    return ranked;
}

}  // namespace

std::string verdictText(const PlanScenario& scenario, const PlannedRun& run) {
    const Scenario own{inputsFor(scenario, run.combination), frequencyPlan(scenario)};
    const RunVerdict verdict = verdictOf(levelsAtLength(own.inputs, own.plan, run.meters));
    if (verdict.pass) {
        return "PASS";
    }
    return "FAIL: " + shortfallText(verdict) + " at the " + edgeText(own, verdict.edge);
}

std::string fixTextFor(const PlanScenario& scenario, const PlannedRun& run,
                       const Wording& wording) {
    return fixText(fixFor(scenario, {run.meters, run.combination}), wording);
}

bool quickToCheck(const PlanCheck& check) {
    return check.runs.size() * (check.rank ? kRankingCost : 1) <= kQuickRuns;
}

CheckedPlan checkPlan(PlanCheck check, const std::atomic<bool>& stop) {
    CheckedPlan checked;
    checked.ranked = check.rank;
    try {
        checked.results =
            checkAll(check.scenario, check.runs, check.wording, stop, std::move(check.room));
    } catch (const ArithmeticError&) {
        checked.results.scenario = check.scenario;
        checked.results.runs.assign(check.runs.size(), {.status = RunStatus::Overflow});
        checked.overflow = true;
        checked.chartProblem = kOverflow;
    }
    if (check.sort) {
        checked.order = runOrder(check.runs, checked.results.runs, *check.sort, stop);
    }
    if (checked.overflow) {
        return checked;
    }
    if (check.rank && !check.runs.empty()) {
        try {
            checked.ranking = rankCombinations(check.scenario, check.runs, stop);
        } catch (const ArithmeticError&) {
            checked.ranking.clear();
        }
    }
    try {
        checked.chart =
            planChart(check.scenario, check.shown, check.unit, check.runs, checked.results);
    } catch (const ChartError& error) {
        checked.chartProblem = error.what();
    } catch (const ArithmeticError&) {
        checked.chartProblem = kOverflow;
    }
    return checked;
}

void apply(std::vector<RunResult>& results, const RunsEdit& edit) {
    if (edit.at > results.size()) {
        return;
    }
    const auto first = results.begin() + static_cast<std::ptrdiff_t>(edit.at);
    const std::size_t removed = std::min(edit.removed.size(), results.size() - edit.at);
    results.erase(first, first + static_cast<std::ptrdiff_t>(removed));
    results.insert(results.begin() + static_cast<std::ptrdiff_t>(edit.at), edit.inserted.size(),
                   RunResult{});
}

}  // namespace tarvelle::planning
