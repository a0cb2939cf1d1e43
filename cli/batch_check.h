#pragma once

// Checking a whole runs file: each row is read, checked and written before the
// next is read, so memory does not grow with the file.

#include <ostream>
#include <span>
#include <string>

#include "cli/run_sink.h"
#include "planning/reading/input_source.h"
#include "planning/scenario.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// Checks every run of `input` (named `name` in messages) against the
// scenario, with each row's own cable and product where it names them (a row
// that names none prints its cable as `cableSpelling`), and
// hands each to every sink in turn; each skipped row and repeated
// identifier goes to every sink too, for the report. Malformed rows, rows that cannot be
// computed and repeated identifiers are told on `err`, by line, and the batch
// goes on. Throws InputFileError for a file that cannot be read, has an
// unusable header or holds no runs; the sinks then have taken nothing for a
// file without runs.
BatchTotals checkRuns(InputSource& input, const std::string& name, const Scenario& scenario,
                      CableSpelling cableSpelling, std::ostream& err,
                      std::span<RunSink* const> sinks);

}  // namespace tarvelle::cli
