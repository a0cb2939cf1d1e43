#include "planning/verdict.h"

#include "engine/fixed_format.h"
#include "planning/printed_number.h"

namespace tarvelle::planning {

bool belowZeroAsPrinted(double margin) {
    // Only a margin near -0.005 needs the printed text to decide.
    if (margin > -0.004) {
        return false;
    }
    if (margin < -0.006) {
        return true;
    }
    return formatFixed(margin, ".").starts_with('-');
}

RunVerdict verdictOf(const EdgeLevels& edges) {
    RunVerdict verdict{true, marginToMinimum(edges[0]), 0, true};
    for (std::size_t i = 0; i < edges.size(); ++i) {
        for (const bool atMinimum : {true, false}) {
            const double margin = atMinimum ? marginToMinimum(edges[i]) : marginToMaximum(edges[i]);
            if (margin < verdict.margin) {
                verdict.margin = margin;
                verdict.edge = i;
                verdict.atMinimum = atMinimum;
            }
        }
    }
    verdict.pass = !belowZeroAsPrinted(verdict.margin);
    return verdict;
}

std::string edgeText(const Scenario& scenario, std::size_t edge) {
    return std::string(kEdgeNames[edge]) + " (" + megahertzText(scenario.plan[edge].frequencyMHz) +
           ")";
}

std::string shortfallText(const RunVerdict& verdict) {
    std::string text;
    appendFixed(text, -verdict.margin);
    text += shortfallWords(verdict);
    return text;
}

std::string_view shortfallWords(const RunVerdict& verdict) {
    return verdict.atMinimum ? " dB below the minimum" : " dB above the maximum";
}

}  // namespace tarvelle::planning
