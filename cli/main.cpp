// tarvelle-cli: the window's calculation from the command line, with level
// budgets, batch checks of many runs and a chart.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <optional>

#include "app/resources/version.h"
#include "cli/batch_check.h"
#include "cli/diagnostics.h"
#include "cli/output_file.h"
#include "cli/results_output.h"
#include "cli/svg_chart.h"
#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"

namespace {

using namespace tarvelle::cli;

constexpr int kSuccess = 0;
constexpr int kRunFailed = 1;
constexpr int kBadUsage = 2;

// The chart, drawn before anything is printed so that a chart that cannot be
// drawn stops the program before it has done anything.
std::string drawChart(const Scenario& scenario, const Results& results, const std::string& path) {
    const std::string failed = "--plot '" + path + "': the chart cannot be drawn (";
    const std::string untouched = "); the file is left as it was";
    try {
        return renderChart(scenario, results);
    } catch (const std::exception& error) {
        throw OutputFileError(failed + error.what() + untouched);
    } catch (...) {
        throw OutputFileError(failed + "an unexpected error" + untouched);
    }
}

CheckedLength checkLength(const Scenario& scenario, double meters) {
    const Budget budget = levelBudget(scenario, meters);
    return {budget, tarvelle::MetersToFeet(meters), verdictOf(budget.edges)};
}

int run(const Options& options) {
    std::optional<FileInput> runs;
    std::vector<FileIdentity> inputs;
    if (options.runsFile) {
        runs.emplace(*options.runsFile);
        inputs.push_back(runs->identity());
    }
    if (options.plotFile) {
        checkOutputFile("--plot", *options.plotFile, ".svg", inputs);
    }
    const Scenario scenario = scenarioOf(options);
    const Results results = computeResults(scenario);
    std::optional<std::string> chart;
    if (options.plotFile) {
        chart = drawChart(scenario, results, *options.plotFile);
    }

    const OutputStyle style{options.format, ::isatty(STDOUT_FILENO) == 1};
    int status = kSuccess;
    if (runs) {
        RunsOutput output(std::cout, style);
        const BatchTotals totals = checkRuns(*runs, runs->name(), scenario, output, std::cerr);
        status = totals.failed + totals.malformed + totals.faulted > 0 ? kRunFailed : kSuccess;
    } else {
        std::optional<CheckedLength> length;
        if (options.lengthMeters) {
            length = checkLength(scenario, *options.lengthMeters);
            status = length->verdict.pass ? kSuccess : kRunFailed;
        }
        printResults(std::cout, style, scenario, results, length);
        if (results.warning && options.format == Format::Csv) {
            std::cerr << *results.warning << '\n';
        }
    }
    if (!std::cout.flush()) {
        throw OutputFileError("standard output: cannot be written");
    }
    if (chart) {
        writeFileAtomically(*options.plotFile, *chart);
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Even an exception that escapes a destructor ends in one line, never in
    // an abort.
    std::set_terminate([] {
        std::fputs("tarvelle-cli: stopped by an unexpected error\n", stderr);
        std::_Exit(kBadUsage);
    });
    std::ios::sync_with_stdio(false);
    try {
        const Options options = parseOptions(argc, argv);
        if (options.help) {
            std::cout << helpText();
            return kSuccess;
        }
        if (options.version) {
            std::cout << "tarvelle-cli " << Module1::kVersionText << "\n";
            return kSuccess;
        }
        return run(options);
    } catch (const tarvelle::ArithmeticError& error) {
        tell(std::cerr, std::string("Run-time error: ") + error.what());
    } catch (const std::bad_alloc&) {
        tell(std::cerr, "out of memory");
    } catch (const std::exception& error) {
        tell(std::cerr, error.what());
    } catch (...) {
        tell(std::cerr, "stopped by an unexpected error");
    }
    return kBadUsage;
}
