#pragma once

// The 3 x 3 choice as text for people, or as CSV or JSON for scripts.

#include <ostream>

#include "cli/options/options.h"
#include "planning/choose.h"
#include "planning/wording.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// One row per combination, with the feed levels at which every run passes,
// then the recommendation: one line in text, a "choice" column in CSV, a
// "recommendation" object in JSON. Levels are worded by `wording`.
void printChoice(std::ostream& out, Format format, const ChoiceAccumulator& choice,
                 const Wording& wording = wordingFor(LevelUnit::DBmV));

}  // namespace tarvelle::cli
