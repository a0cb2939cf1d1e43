#include "planning/combination_rank.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "planning/printed_number.h"

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
    const std::string shortBy = ", the tightest short by " + decibels(-plan.smallestMargin);
    if (feed.everyRunPasses) {
        return name + ": every run passes at a feed from " +
               wording.level(feed.everyRunPasses->lowest) + " to " +
               wording.level(feed.everyRunPasses->highest) +
               ", the widest range of any combination; " + atFeed +
               (plan.passesAll() ? "every run passes with at least " +
                                       decibels(plan.smallestMargin) + " to spare"
                                 : runsText(plan.runsPassed, plan.runsChecked) + shortBy) +
               "; " + wording.level(*feed.suggestedLevel()) + " gives the most margin";
    }
    // Ranked by the runs passing, then by the margin: others may pass as many.
    std::string text = name + ": no feed level passes every run on any combination; " + atFeed +
                       runsText(plan.runsPassed, plan.runsChecked) +
                       ", as many as on any combination" + shortBy;
    // Said once where the feed given is already the level found.
    if (feed.mostRunsPass && fixed(*feed.suggestedLevel()) != fixed(plan.levelIn)) {
        text += "; at " + wording.level(*feed.suggestedLevel()) + " " +
                runsText(feed.mostRunsPassing, feed.runs);
    }
    return text;
}

std::string recommendationLine(const CombinationSummary& best, const Wording& wording) {
    return (best.plan.feed.everyRunPasses ? "Choose " : "Best: ") +
           recommendationReason(best, wording) + ".";
}

}  // namespace tarvelle::planning
