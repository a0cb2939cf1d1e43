#pragma once

// Checking a whole runs file: each row is read, checked and written before the
// next is read, so memory does not grow with the file.

#include <functional>
#include <ostream>
#include <string>

#include "cli/formats/runs_output.h"
#include "planning/reading/input_source.h"
#include "planning/scenario.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// Where else each checked run goes (the choice, the report, the chart's
// marks), row by row. It may throw ArithmeticError: the row is then skipped
// like one that the check itself cannot compute.
using RunObserver = std::function<void(const CheckedRun&)>;

// Checks every run of `input` (named `name` in messages) against the
// scenario, with each row's own cable and product where it names them, and
// writes each to `output` unless that is null. Malformed rows, rows that
// cannot be computed and repeated identifiers are told on `err`, by line, and
// the batch goes on. Throws InputFileError for a file that cannot be read, has
// an unusable header or holds no runs; standard output then holds nothing for
// a file without runs.
BatchTotals checkRuns(InputSource& input, const std::string& name, const Scenario& scenario,
                      RunsOutput* output, std::ostream& err, const RunObserver& observe);

}  // namespace tarvelle::cli
