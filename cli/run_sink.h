#pragma once

// Where a checked run goes: a format on standard output, the choice of
// product and cable, the chart's marks, the report. Each is one RunSink, so a
// new consumer of the runs is one new class.

#include <cstddef>
#include <string>
#include <string_view>

#include "planning/reading/runs_file.h"
#include "planning/verdict.h"

namespace tarvelle::cli {

// A run with every figure it shows already computed.
struct CheckedRun {
    const planning::CableRun* run = nullptr;
    double feet = 0;
    EdgeLevels edges{};  // on the run's own cable and product
    planning::RunVerdict verdict;
    std::string_view failingEdge;  // "analog high edge (550 MHz)" when it fails
};

struct BatchTotals {
    std::size_t passed = 0;
    std::size_t failed = 0;
    std::size_t malformed = 0;  // rows skipped: not a run
    std::size_t faulted = 0;    // rows skipped: an arithmetic fault
    std::size_t repeated = 0;   // runs whose identifier appeared before
    std::size_t checked() const { return passed + failed; }
    std::size_t skipped() const { return malformed + faulted; }
};

// A row skipped, or a run whose identifier repeats an earlier one: where in
// the file ("line 7") and why, for the report.
struct RowNote {
    bool repeat = false;
    std::string where;
    std::string reason;
};

class RunSink {
  public:
    virtual ~RunSink() = default;

    // One run. May throw ArithmeticError: the row is then skipped, by this
    // sink and those after it, like one the check itself cannot compute.
    virtual void take(const CheckedRun& run) = 0;
    // A row skipped or an identifier repeated.
    virtual void note(const RowNote& note) { static_cast<void>(note); }
    // After the last run, when at least one was checked.
    virtual void finish(const BatchTotals& totals) { static_cast<void>(totals); }
};

}  // namespace tarvelle::cli
