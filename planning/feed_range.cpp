#include "planning/feed_range.h"

#include <algorithm>
#include <cmath>

#include "engine/checked_math.h"

namespace tarvelle::planning {

namespace {

double levelOf(std::int64_t steps) {
    return static_cast<double>(steps) / 100;
}

// Whether every edge clears its window's minimum (or maximum) as printed at a
// feed level: each rises (falls) with the feed, so the passing levels are one
// span, found from an estimate by checking the levels on either side.
bool clears(const PlanScenario& scenario, const PlanRun& run, std::int64_t steps, bool minimum) {
    PlanScenario at = scenario;
    at.levelIn = levelOf(steps);
    const RunCheck check = checkRun(at, run);
    return minimum ? !check.belowMinimum : !check.aboveMaximum;
}

std::int64_t toSteps(double level) {
    return static_cast<std::int64_t>(std::clamp(std::floor(level * 100),
                                                -static_cast<double>(kLargestFeedSteps) - 2,
                                                static_cast<double>(kLargestFeedSteps) + 2));
}

}  // namespace

FeedSteps passingFeeds(const PlanScenario& scenario, const PlanRun& run) {
    PlanScenario atZero = scenario;
    atZero.levelIn = 0;
    // At feed x an edge receives x plus what it receives at 0, so its margins
    // are x less a bound; the few operations behind it round by a handful of
    // units in the last place of the largest term.
    double lowest = -INFINITY;
    double highest = INFINITY;
    double scale = 1;
    for (const EdgeLevel& edge : checkRun(atZero, run).edges) {
        lowest = std::max(lowest, (Checked(edge.window.minimum) - edge.received).value());
        highest = std::min(highest, (Checked(edge.window.maximum) - edge.received).value());
        scale = std::max(scale, std::abs(edge.received) + std::abs(edge.window.minimum) +
                                    std::abs(edge.window.maximum));
    }
    // The estimate decides, but where a margin lies within rounding of the
    // printed -0.005 the check at that level does.
    const auto passes = [&](std::int64_t steps, bool minimum) {
        const double level = levelOf(steps);
        const double margin = minimum ? level - lowest : highest - level;
        if (std::abs(margin + 0.005) > 1e-12 * (scale + std::abs(level))) {
            return margin > -0.005;
        }
        return clears(scenario, run, steps, minimum);
    };
    FeedSteps steps{toSteps(lowest), toSteps(highest)};
    while (steps.lowest <= kLargestFeedSteps && !passes(steps.lowest, true)) {
        ++steps.lowest;
    }
    while (steps.lowest > -kLargestFeedSteps && passes(steps.lowest - 1, true)) {
        --steps.lowest;
    }
    while (steps.highest >= -kLargestFeedSteps && !passes(steps.highest, false)) {
        --steps.highest;
    }
    while (steps.highest < kLargestFeedSteps && passes(steps.highest + 1, false)) {
        ++steps.highest;
    }
    steps.lowest = std::max(steps.lowest, -kLargestFeedSteps);
    steps.highest = std::min(steps.highest, kLargestFeedSteps);
    return steps;
}

double LevelSpan::middle() const {
    return levelOf((std::llround(lowest * 100) + std::llround(highest * 100)) / 2);
}

std::optional<double> FeedRange::suggestedLevel() const {
    if (everyRunPasses) {
        return everyRunPasses->middle();
    }
    if (mostRunsPass) {
        return mostRunsPass->middle();
    }
    return std::nullopt;
}

void FeedRangeAccumulator::add(const PlanRun& run) {
    const FeedSteps steps = passingFeeds(scenario_, run);
    ++runs_;
    common_.lowest = std::max(common_.lowest, steps.lowest);
    common_.highest = std::min(common_.highest, steps.highest);
    if (!steps.empty()) {
        histogram_.add(steps.lowest, steps.highest);
    }
}

FeedRange FeedRangeAccumulator::result() const {
    FeedRange range;
    range.runs = runs_;
    if (runs_ == 0) {
        return range;
    }
    if (!common_.empty()) {
        range.everyRunPasses = LevelSpan{levelOf(common_.lowest), levelOf(common_.highest)};
        range.mostRunsPassing = runs_;
        return range;
    }
    if (const auto peak = histogram_.peak()) {
        range.mostRunsPass = LevelSpan{levelOf(peak->lowest), levelOf(peak->highest)};
        range.mostRunsPassing = peak->runs;
        range.stepDb = levelOf(peak->step);
    }
    return range;
}

}  // namespace tarvelle::planning
