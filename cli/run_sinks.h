#pragma once

// The consumers of checked runs besides standard output: the choice of
// product and cable, the report's table and the chart's marks.

#include <cstdint>

#include "cli/run_sink.h"
#include "planning/choose.h"
#include "planning/html_report.h"
#include "planning/run_marks.h"

namespace tarvelle::cli {

class ChoiceSink final : public RunSink {
  public:
    explicit ChoiceSink(planning::ChoiceAccumulator& choice) : choice_(choice) {}
    void take(const CheckedRun& run) override { choice_.add(run.run->id, run.run->meters); }

  private:
    planning::ChoiceAccumulator& choice_;
};

class ReportSink final : public RunSink {
  public:
    explicit ReportSink(planning::HtmlReport& report) : report_(report) {}
    void take(const CheckedRun& checked) override {
        report_.addRun({*checked.run, checked.edges, checked.verdict});
    }

  private:
    planning::HtmlReport& report_;
};

// A run on the chart's own cable and product is marked as such.
class MarksSink final : public RunSink {
  public:
    MarksSink(planning::RunMarks& marks, std::int16_t cable, std::int16_t product)
        : marks_(marks), cable_(cable), product_(product) {}
    void take(const CheckedRun& checked) override {
        marks_.add(checked.run->meters, checked.verdict.pass,
                   checked.run->cable == cable_ && checked.run->product == product_);
    }

  private:
    planning::RunMarks& marks_;
    std::int16_t cable_;
    std::int16_t product_;
};

}  // namespace tarvelle::cli
