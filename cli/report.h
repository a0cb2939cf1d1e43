#pragma once

// Writing results as text for people, or as CSV or JSON for scripts.

#include <ostream>
#include <vector>

#include "cli/batch_check.h"
#include "cli/options.h"
#include "cli/scenario.h"

namespace tarvelle::cli {

// The twelve figures, then (with a length) the level budget. The window's
// warning goes with them in text and JSON; in CSV it is the caller's to show.
void printResults(std::ostream& out, Format format, const Results& distances,
                  const std::optional<Budget>& budget);

void printRunVerdicts(std::ostream& out, Format format, const std::vector<RunVerdict>& verdicts,
                      std::size_t malformedRows);

}  // namespace tarvelle::cli
