// tarvelle-cli: the window's calculation from the command line, with level
// budgets, batch checks of many runs, the choice of product and cable, a chart
// and a report.

#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "cli/batch_check.h"
#include "cli/files/interrupt_cleanup.h"
#include "cli/files/output_file.h"
#include "cli/files/output_targets.h"
#include "cli/formats/choice_output.h"
#include "cli/formats/results_output.h"
#include "cli/formats/runs_output.h"
#include "cli/messages/cli_error.h"
#include "cli/messages/diagnostics.h"
#include "cli/options/scenario_options.h"
#include "cli/run_sinks.h"
#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"
#include "engine/version.h"
#include "planning/choose.h"
#include "planning/html_report.h"
#include "planning/printed_number.h"
#include "planning/svg_chart.h"

namespace {

using namespace tarvelle::cli;

// A chart file begins as an SVG file should; inline in the report it does not.
constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string drawChart(const ChartInputs& chart, const RunMarks& runs, const std::string& path) {
    const std::string failed = "--plot '" + path + "': the chart cannot be drawn (";
    const std::string untouched = "); the file is left as it was";
    try {
        return renderChart(chart, runs);
    } catch (const std::exception& error) {
        throw OutputFileError(failed + error.what() + untouched);
    } catch (...) {
        throw OutputFileError(failed + "an unexpected error" + untouched);
    }
}

// The day the report is made, YYYY-MM-DD; SOURCE_DATE_EPOCH, when set, fixes
// it so that the same inputs make the same report. One that is not a whole
// number of seconds is refused rather than read as 1970.
std::string today() {
    std::time_t now = std::time(nullptr);
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    const bool fixed = epoch != nullptr;
    if (fixed) {
        const std::string_view text(epoch);
        long long seconds = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
            throw UsageError("SOURCE_DATE_EPOCH '" + std::string(text) +
                             "': is not a whole number of seconds since 1970-01-01");
        }
        now = static_cast<std::time_t>(seconds);
    }
    std::tm day{};
    if (fixed ? ::gmtime_r(&now, &day) == nullptr : ::localtime_r(&now, &day) == nullptr) {
        return "an unknown day";
    }
    std::array<char, 32> text{};
    return std::string(text.data(), std::strftime(text.data(), text.size(), "%Y-%m-%d", &day));
}

// The files a run writes besides standard output, each checked before
// anything is done and put in place only when complete.
struct Extras {
    tarvelle::CalculationInputs inputs;  // the chart's and the six distances'
    std::optional<ChoiceAccumulator> choice;
    std::optional<RunMarks> marks;
    std::optional<AtomicFile> reportFile;
    std::optional<HtmlReport> report;

    std::optional<ChoiceSink> choiceSink;
    std::optional<ReportSink> reportSink;
    std::optional<MarksSink> marksSink;

    // Each run goes to the choice first: it may fail on a run, and then
    // nothing else shows that run either.
    std::vector<RunSink*> sinks() {
        std::vector<RunSink*> all;
        if (choice) {
            all.push_back(&choiceSink.emplace(*choice));
        }
        if (report) {
            all.push_back(&reportSink.emplace(*report));
        }
        if (marks) {
            all.push_back(&marksSink.emplace(*marks, inputs.cableIndex, inputs.productPosition));
        }
        return all;
    }
};

// How a check ends, decided here alone: success when every run passes and no
// row was skipped; with --choose, when the chosen product and cable pass
// every run and no row was skipped.
int statusOf(const BatchTotals& totals, const std::optional<ChoiceAccumulator>& choice) {
    if (choice) {
        const auto best = choice->recommendation();
        return totals.skipped() == 0 && best && best->passesAll ? kSuccess : kRunFailed;
    }
    return totals.failed + totals.skipped() > 0 ? kRunFailed : kSuccess;
}

int run(const Options& options) {
    std::optional<FileInput> runs;
    std::vector<FileIdentity> inputs;
    if (options.runsFile) {
        runs.emplace(*options.runsFile);
        inputs.push_back(runs->identity());
    }
    std::vector<OutputTarget> targets;
    if (options.plotFile) {
        targets.push_back({"--plot", *options.plotFile, ".svg"});
    }
    if (options.reportFile) {
        targets.push_back({"--report", *options.reportFile, ".html"});
    }
    checkOutputTargets(targets, inputs);
    const std::string reportDate = options.reportFile ? today() : std::string();
    const Scenario scenario = scenarioOf(options);
    if (options.runsFile || options.lengthMeters) {
        requireCheckableLevels(options, scenario);
    }
    const Results results = computeResults(scenario);
    const ChartInputs& chart = scenario;

    Extras extras{scenario.inputs, {}, {}, {}, {}, {}, {}, {}};
    if (options.plotFile || options.reportFile) {
        extras.marks = runMarksFor(chart);
    }
    if (options.plotFile) {
        // Drawn once before anything is printed, so that a chart that cannot
        // be drawn stops the program before it has done anything.
        drawChart(chart, *extras.marks, *options.plotFile);
    }
    if (options.choose) {
        extras.choice.emplace(scenario.inputs, scenario.plan);
    }
    if (options.reportFile) {
        extras.reportFile.emplace(*options.reportFile);
        extras.report.emplace(
            extras.reportFile->stream(),
            ReportInputs{scenario,
                         runs ? runs->name() : "--length " + fixed(*options.lengthMeters) + " m",
                         reportDate, tarvelle::kVersionText});
    }

    const OutputStyle style{options.format, ::isatty(STDOUT_FILENO) == 1};
    int status = kSuccess;
    std::size_t skippedRows = 0;
    if (runs) {
        std::vector<RunSink*> sinks = extras.sinks();
        const std::unique_ptr<RunsOutput> output = runsOutput(std::cout, style);
        if (!extras.choice) {
            sinks.push_back(output.get());
        }
        const BatchTotals totals = checkRuns(*runs, runs->name(), scenario, std::cerr, sinks);
        skippedRows = totals.skipped();
        status = statusOf(totals, extras.choice);
    } else {
        std::optional<CheckedLength> length;
        if (options.lengthMeters) {
            const Budget budget = levelBudget(scenario, *options.lengthMeters);
            length = CheckedLength{budget, tarvelle::MetersToFeet(budget.lengthMeters),
                                   verdictOf(budget.edges)};
            const CableRun run{"run 1", budget.lengthMeters, scenario.inputs.cableIndex,
                               scenario.inputs.productPosition};
            for (RunSink* sink : extras.sinks()) {
                sink->take({&run, length->feet, budget.edges, length->verdict, {}});
            }
            const bool pass = length->verdict.pass;
            status = statusOf({pass ? 1U : 0U, pass ? 0U : 1U, 0, 0, 0}, extras.choice);
        }
        if (!extras.choice) {
            printResults(std::cout, style, scenario, results, length);
        }
        if (results.warning && options.format == Format::Csv && !extras.choice) {
            std::cerr << *results.warning << '\n';
        }
    }
    if (extras.choice) {
        printChoice(std::cout, options.format, *extras.choice);
    }
    if (!std::cout.flush()) {
        throw OutputFileError("standard output: cannot be written");
    }
    // Every file complete before any is put in place: a failure on one
    // leaves all as they were.
    std::optional<AtomicFile> plot;
    if (options.plotFile) {
        const std::string drawn = drawChart(chart, *extras.marks, *options.plotFile);
        plot.emplace(*options.plotFile);
        plot->stream() << kXmlDeclaration << drawn;
        plot->complete();
    }
    if (extras.report) {
        extras.report->finish(*extras.marks, skippedRows);
        extras.reportFile->complete();
        extras.reportFile->commit();
    }
    if (plot) {
        plot->commit();
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Even an exception that escapes a destructor ends in one line, never in
    // an abort.
    std::set_terminate([] {
        std::fputs("tarvelle-cli: stopped by an unexpected error\n", stderr);
        std::_Exit(kNothingDone);
    });
    std::ios::sync_with_stdio(false);
    installInterruptCleanup();
    try {
        const Options options = parseOptions(argc, argv);
        if (options.help) {
            std::cout << helpText();
            return kSuccess;
        }
        if (options.version) {
            std::cout << "tarvelle-cli " << tarvelle::kVersionText << "\n";
            return kSuccess;
        }
        return run(options);
    } catch (const CliError& error) {
        tell(std::cerr, error.what());
        return error.exitStatus();
    } catch (const tarvelle::ArithmeticError& error) {
        tell(std::cerr, std::string("Run-time error: ") + error.what());
    } catch (const std::bad_alloc&) {
        tell(std::cerr, "out of memory");
    } catch (const std::exception& error) {
        tell(std::cerr, error.what());
    } catch (...) {
        tell(std::cerr, "stopped by an unexpected error");
    }
    return kNothingDone;
}
