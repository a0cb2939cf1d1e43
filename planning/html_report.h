#pragma once

// A report to hand over: one self-contained HTML page (no external file,
// script, font or picture) that prints on A4 and Letter. Its first page
// answers: the verdict, the product, cable and feed range, and every failing
// or skipped run with what would fix it; then the inputs, the allowed lengths
// on every cable the runs use, every run, the chart and a plain account of
// the model. The page is written at the end, since its first lines depend on
// every run; what it holds is capped so that it is made in bounded memory and
// stays small enough for a browser to open (under 5 MB) whatever the input:
// the first kListedRuns runs are listed, then only failing runs, up to
// kListedFailures more and kListedBytes in all, then only counted; the
// failing, skipped and repeated runs of the first page are capped alike.

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/distance_calculation.h"
#include "planning/cable_run.h"
#include "planning/plan_tally.h"
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
    std::string madeBy;      // the program and its version: "tarvelle-cli 1.0.0"
    // The title block, on the first page and on every printed page.
    std::string project;
    std::string site;
    std::string preparedBy;
    // Why the product and cable were chosen, when the program chose them.
    std::string recommendation;
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
    // Failing, skipped and repeated runs named on the first page, each.
    static constexpr std::size_t kListedNotes = 200;

    // Throws ArithmeticError when the inputs overflow.
    HtmlReport(std::ostream& out, ReportInputs inputs);

    // Throws ArithmeticError when the run's levels overflow; nothing of the
    // run is kept then.
    void addRun(const ReportRun& run);

    // A row of the runs file that is no run, and a run whose identifier
    // repeats an earlier one: where ("line 7") and why.
    void addSkipped(const std::string& where, const std::string& reason);
    // Rows that are no run, counted only: where and why were not kept.
    void countSkipped(std::size_t rows) { skipped_.total += rows; }
    void addRepeat(const std::string& where, const std::string& reason);

    // Writes the whole page: the answer, the inputs, the allowed lengths,
    // the runs, the chart (or why it cannot be drawn), the account of the
    // model and the footer.
    void finish(const RunMarks& runs);

    // Short lists of escaped items, capped in count and bytes, the rest counted.
    struct Notes {
        std::vector<std::string> items;
        std::size_t bytes = 0;
        std::size_t total = 0;
        void add(std::string item);
    };

  private:
    // A listed run; the product and cable cells are left out when every run
    // has the same, so they are kept apart.
    struct Row {
        std::string head;
        std::int16_t product;
        std::int16_t cable;
        std::string tail;
    };

    std::ostream& out_;
    ReportInputs inputs_;
    PlanTally tally_;
    std::vector<Row> rows_;
    Notes failing_;
    Notes skipped_;
    Notes repeats_;
    std::array<bool, 9> used_{};  // product * 3 + cable
    std::size_t runs_ = 0;
    std::size_t passed_ = 0;
    std::size_t listedFailures_ = 0;  // after the first kListedRuns
    std::size_t listedBytes_ = 0;
    std::size_t unlistedPasses_ = 0;
    std::size_t unlistedFailures_ = 0;
};

}  // namespace tarvelle::planning
