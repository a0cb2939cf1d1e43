#pragma once

// The verdicts of a runs file, written one run at a time as text, CSV or JSON
// so that memory does not grow with the file. Nothing is written before the
// first run, so that a file without runs leaves standard output empty.

#include <cstddef>
#include <ostream>
#include <string>

#include "cli/options/output_style.h"
#include "planning/reading/runs_file.h"
#include "planning/verdict.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// A run with every figure it shows already computed.
struct CheckedRun {
    const CableRun* run = nullptr;
    double feet = 0;
    EdgeLevels edges{};  // on the run's own cable and product
    RunVerdict verdict;
    std::string failingEdge;  // "analog high edge (550 MHz)" when it fails
};

struct BatchTotals {
    std::size_t passed = 0;
    std::size_t failed = 0;
    std::size_t malformed = 0;  // rows skipped: not a run
    std::size_t faulted = 0;    // rows skipped: an arithmetic fault
    std::size_t repeated = 0;   // runs whose identifier appeared before
    std::size_t checked() const { return passed + failed; }
};

class RunsOutput {
  public:
    RunsOutput(std::ostream& out, OutputStyle style) : out_(out), style_(style) {}

    void write(const CheckedRun& run);
    // The totals, after at least one run.
    void finish(const BatchTotals& totals);

  private:
    void begin();

    std::ostream& out_;
    OutputStyle style_;
    bool begun_ = false;
    std::string line_;  // one row, written at once
};

}  // namespace tarvelle::cli
