#pragma once

// The 3 x 3 choice as text for people, or as CSV or JSON for scripts.

#include <ostream>

#include "cli/choose.h"
#include "cli/options.h"

namespace tarvelle::cli {

// One row per combination, then the recommendation: one line in text, a
// "choice" column in CSV, a "recommendation" object in JSON.
void printChoice(std::ostream& out, Format format, const ChoiceAccumulator& choice);

}  // namespace tarvelle::cli
