#include "planning/plan_results.h"

#include <algorithm>

#include "engine/arithmetic_error.h"
#include "planning/printed_number.h"
#include "planning/run_fix.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

RunResult resultOf(const RunCheck& check) {
    RunResult result;
    result.computed = true;
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

PlanResults checkAll(const PlanScenario& scenario, const std::vector<PlannedRun>& runs,
                     const Wording& wording) {
    PlanResults results;
    results.scenario = scenario;
    results.runs.reserve(runs.size());
    PlanTally tally(scenario);
    // One check a run serves its row and the tally; the row is kept only once
    // the tally has taken the run, so that a fault leaves one row, not two.
    for (const PlannedRun& run : runs) {
        try {
            const PlanRun planRun{run.meters, run.combination};
            const RunCheck check = checkRun(scenario, planRun);
            tally.add(planRun, check);
            results.runs.push_back(resultOf(check));
        } catch (const ArithmeticError&) {
            results.runs.emplace_back();
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

std::vector<CombinationSummary> rankCombinations(const PlanScenario& scenario,
                                                 const std::vector<PlannedRun>& runs) {
    std::vector<CombinationSummary> ranked;
    for (std::int16_t product = 0; product < 3; ++product) {
        for (std::int16_t cable = 0; cable < 3; ++cable) {
            const Combination combination{product, cable};
            PlanTally tally(scenario);
            for (const PlannedRun& run : runs) {
                try {
                    tally.add({run.meters, combination});
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

}  // namespace tarvelle::planning
