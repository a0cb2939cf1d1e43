#pragma once

// A report to hand over: one self-contained HTML page (no external file,
// script, font or picture) that prints on A4 and Letter, with the inputs, the
// six distances, every run, the chart and a plain account of the model.
// Runs are written as they come, so a report of any size is made in the same
// memory; and a report stays small enough for a browser to open (under 5 MB)
// whatever the input: the first kListedRuns runs are listed, then only
// failing runs, up to kListedFailures more and kListedBytes in all, then only
// counted.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "engine/distance_calculation.h"
#include "planning/cable_run.h"
#include "planning/run_marks.h"
#include "planning/scenario.h"
#include "planning/units.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

// The scenario's product and cable are the ones the six distances and the
// chart are drawn for; each run may have its own.
struct ReportInputs : Scenario {
    std::string runsSource;  // where the runs came from, as the user named it
    std::string date;        // the day the report was made, YYYY-MM-DD
    std::string version;     // the program's version
};

struct ReportRun : CableRun {
    EdgeLevels edges{};  // the run's levels on its own cable and product
    RunVerdict verdict;
};

class HtmlReport {
  public:
    // A browser needs 17 s for a table of 10,000 such rows: at most 2,000.
    static constexpr std::size_t kListedRuns = 1'000;
    static constexpr std::size_t kListedFailures = 1'000;
    // The table's bytes at most, so that the page stays under 5 MB.
    static constexpr std::size_t kListedBytes = 4'000'000;

    // Writes the page up to its first run. Throws ArithmeticError when the
    // inputs overflow.
    HtmlReport(std::ostream& out, ReportInputs inputs);

    void addRun(const ReportRun& run);

    // The rest of the page: the count of runs (and of the rows of the runs
    // file skipped as no runs), the chart (or why it cannot be drawn), the
    // account of the model and the footer.
    void finish(const RunMarks& runs, std::size_t skippedRows = 0);

  private:
    std::ostream& out_;
    ReportInputs inputs_;
    std::size_t runs_ = 0;
    std::size_t passed_ = 0;
    std::size_t listedFailures_ = 0;  // after the first kListedRuns
    std::size_t listedBytes_ = 0;
    std::size_t unlistedPasses_ = 0;
    std::size_t unlistedFailures_ = 0;
};

}  // namespace tarvelle::planning
