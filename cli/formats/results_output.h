#pragma once

// The six distances and, for one run, its level budget and verdict, as text
// for people or as CSV or JSON for scripts.

#include <optional>
#include <ostream>

#include "cli/options/output_style.h"
#include "planning/scenario.h"
#include "planning/verdict.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// One run of a given length, every figure computed before anything is shown.
struct CheckedLength {
    Budget budget;
    double feet;
    RunVerdict verdict;
};

// The window's warning goes with the figures in text and JSON; in CSV it is
// the caller's to show.
void printResults(std::ostream& out, const OutputStyle& style, const Scenario& scenario,
                  const Results& results, const std::optional<CheckedLength>& length);

}  // namespace tarvelle::cli
