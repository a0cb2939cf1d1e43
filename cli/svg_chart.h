#pragma once

#include <string>

#include "cli/scenario.h"

namespace tarvelle::cli {

// Received level against cable length at the four band edges, from 0 to a
// little beyond the longest maximum distance, with both receiver windows
// shaded and the allowed lengths of each band and of the worst case marked.
std::string renderChart(const Scenario& scenario, const Results& results);

}  // namespace tarvelle::cli
