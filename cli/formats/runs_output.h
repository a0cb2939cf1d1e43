#pragma once

// The verdicts of a runs file, written one run at a time as text, CSV or JSON
// so that memory does not grow with the file: each run with its smallest
// margin, and each failing run with its fix. Nothing is written before the
// first run, so that a file without runs leaves standard output empty.

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/formats/row_buffer.h"
#include "cli/options/output_style.h"
#include "cli/run_sink.h"
#include "planning/run_fix.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// The runs on a stream in one format, through one buffer: rows go out in
// pieces of about 64 KiB, and what a batch stopped by a fault in its input
// had written goes out when the output is destroyed.
class RunsOutput : public RunSink {
  public:
    RunsOutput(std::ostream& out, const PlanScenario& scenario) : out_(out), fixer_(scenario) {}
    RunsOutput(const RunsOutput&) = delete;
    RunsOutput& operator=(const RunsOutput&) = delete;
    ~RunsOutput() override;

    void take(const CheckedRun& run) final;
    void finish(const BatchTotals& totals) final;

  protected:
    // What comes before the first run (a header), before each further run (a
    // separator), each run with its fix (FixKind::None when it passes), and
    // after the last.
    virtual void begin(RowBuffer& buffer) const { static_cast<void>(buffer); }
    virtual void between(RowBuffer& buffer) const { static_cast<void>(buffer); }
    virtual void row(RowBuffer& buffer, const CheckedRun& run, const RunFix& fix) = 0;
    virtual void end(std::ostream& out, const BatchTotals& totals) const = 0;

  private:
    void write(const CheckedRun& run, const RunFix& fix);
    void write(const RowBuffer& buffer);
    void flush();

    static constexpr std::size_t kBufferBytes = 64 * 1024;

    std::ostream& out_;
    RunFixer fixer_;
    bool begun_ = false;
    RowBuffer buffer_;
};

// The output for the style's format, with fixes for the runs as checked
// against `scenario`, worded by `wording`.
std::unique_ptr<RunsOutput> runsOutput(std::ostream& out, const OutputStyle& style,
                                       const PlanScenario& scenario, const Wording& wording);

}  // namespace tarvelle::cli
