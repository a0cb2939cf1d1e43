#include "planning/combination_rank.h"

#include <cmath>
#include <cstddef>

namespace tarvelle::planning {

namespace {

std::string runsText(std::size_t passed, std::size_t checked) {
    return std::to_string(passed) + " of " + std::to_string(checked) +
           (checked == 1 ? " run passes" : " runs pass");
}

long hundredths(double db) {
    return std::lround(db * 100);
}

}  // namespace

bool ranksBefore(const CombinationSummary& a, const CombinationSummary& b) {
    const auto& rangeA = a.plan.feed.everyRunPasses;
    const auto& rangeB = b.plan.feed.everyRunPasses;
    if (rangeA.has_value() != rangeB.has_value()) {
        return rangeA.has_value();
    }
    // Both ends lie on whole hundredths: compared as hundredths, two equally
    // wide ranges are equal whatever the rounding of their subtraction.
    if (rangeA && hundredths(rangeA->width()) != hundredths(rangeB->width())) {
        return hundredths(rangeA->width()) > hundredths(rangeB->width());
    }
    if (a.plan.runsPassed != b.plan.runsPassed) {
        return a.plan.runsPassed > b.plan.runsPassed;
    }
    return a.plan.smallestMargin > b.plan.smallestMargin;
}

std::string recommendationReason(const CombinationSummary& best, const Wording& wording) {
    const PlanSummary& plan = best.plan;
    const FeedRange& feed = plan.feed;
    const std::string name = wording.combination(best.combination);
    const std::string atFeed = "at " + wording.level(plan.levelIn) + " ";
    const std::string tightest =
        plan.passesAll()
            ? "every run passes with at least " + decibels(plan.smallestMargin) + " to spare"
            : runsText(plan.runsPassed, plan.runsChecked) + ", the tightest short by " +
                  decibels(-plan.smallestMargin);
    if (feed.everyRunPasses) {
        return name + ": every run passes at a feed from " +
               wording.level(feed.everyRunPasses->lowest) + " to " +
               wording.level(feed.everyRunPasses->highest) +
               ", the widest range of any combination; " + atFeed + tightest + "; " +
               wording.level(*feed.suggestedLevel()) + " gives the most margin";
    }
    std::string text = name + ": no feed level passes every run on any combination; " + atFeed +
                       tightest + ", the most of any combination";
    if (feed.mostRunsPass) {
        text += "; at " + wording.level(*feed.suggestedLevel()) + " " +
                runsText(feed.mostRunsPassing, feed.runs);
    }
    return text;
}

}  // namespace tarvelle::planning
