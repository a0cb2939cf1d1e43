#pragma once

// Whether a run's received levels lie within the receiver windows, judged on
// the margins as they are printed, so that a run of exactly a printed limit
// passes and a failing run never shows a shortfall of 0.00 dB.

#include <string>
#include <string_view>

#include "planning/scenario.h"

namespace tarvelle::planning {

struct RunVerdict {
    bool pass = true;
    // The smallest of the eight margins (a band edge's received level above
    // its minimum, or below its maximum), dB, and where it lies.
    double margin = 0;
    std::size_t edge = 0;  // index into the plan's four band edges
    bool atMinimum = true;
};

// True when the margin shows as a negative number at two decimals.
bool belowZeroAsPrinted(double margin);

RunVerdict verdictOf(const EdgeLevels& edges);

// "analog high edge (550 MHz)"
std::string edgeText(const Scenario& scenario, std::size_t edge);

// "3.44 dB above the maximum"
std::string shortfallText(const RunVerdict& verdict);
// The words after the figure: " dB above the maximum".
std::string_view shortfallWords(const RunVerdict& verdict);

}  // namespace tarvelle::planning
