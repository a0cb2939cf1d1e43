#pragma once

// The options' levels, product, cable, plan and units as a scenario.

#include "cli/messages/cli_error.h"
#include "cli/options/options.h"
#include "planning/scenario.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// Input the engine refuses: one line, in the window's words where it has some.
struct InputError : CliError {
    using CliError::CliError;
};

// Checks the level texts in the window's order and with its messages; throws
// InputError for the first that is not a number.
planning::Scenario scenarioOf(const Options& options);

// Throws InputError naming the first level option, in the options' own
// unit, too large to check a run against.
void requireCheckableLevels(const Options& options, const planning::Scenario& scenario);

}  // namespace tarvelle::cli
