#include "cli/formats/feed_range_output.h"

namespace tarvelle::cli {

void StillFailing::add(const std::string& quotedName) {
    if (++total <= kNamed) {
        names.push_back(quotedName);
    }
}

void printFeedRange(std::ostream& out, const PlanSummary& plan, const StillFailing& failing,
                    const Wording& wording) {
    const FeedRange& feed = plan.feed;
    const std::string checked = counted(feed.runs, "run", "runs") +
                                (plan.mixed ? ", each on its own cable and product" : "");
    if (feed.everyRunPasses) {
        out << "Every run passes at a feed from " << wording.level(feed.everyRunPasses->lowest)
            << " to " << wording.level(feed.everyRunPasses->highest) << "; "
            << wording.level(*feed.suggestedLevel()) << " gives the most margin (" << checked
            << ").\n";
        return;
    }
    if (!feed.mostRunsPass) {
        out << "No feed level passes any run (" << checked
            << "): at these lengths the receiver windows are too narrow for the levels at "
               "every feed.\n";
        return;
    }
    out << "No feed level passes every run (" << checked << "); at "
        << wording.level(*feed.suggestedLevel()) << ", " << feed.mostRunsPassing << " of "
        << counted(feed.runs, "run", "runs") << " pass, the most";
    if (feed.stepDb > 0.01) {
        out << " (levels worked in steps of " << decibels(feed.stepDb) << ")";
    }
    out << ".\nStill failing there: ";
    for (std::size_t i = 0; i < failing.names.size(); ++i) {
        out << (i == 0 ? "" : ", ") << failing.names[i];
    }
    if (failing.total > failing.names.size()) {
        out << " and " << failing.total - failing.names.size() << " more";
    }
    out << ".\n";
}

}  // namespace tarvelle::cli
