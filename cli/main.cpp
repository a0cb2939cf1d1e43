// tarvelle-cli: the window's calculation from the command line, with level
// budgets, batch checks of many runs and a chart.

#include <fstream>
#include <iostream>
#include <vector>

#include "app/resources/version.h"
#include "cli/batch_check.h"
#include "cli/report.h"
#include "cli/svg_chart.h"
#include "engine/arithmetic_error.h"

namespace {

using namespace tarvelle::cli;

constexpr int kSuccess = 0;
constexpr int kRunFailed = 1;
constexpr int kBadUsage = 2;

int checkRuns(const Options& options, const Scenario& scenario) {
    std::ifstream file(*options.runsFile);
    if (!file) {
        throw UsageError("--runs '" + *options.runsFile + "': cannot be read");
    }
    const RunsFile runs = readRuns(file);
    for (const std::string& problem : runs.problems) {
        std::cerr << "tarvelle-cli: " << *options.runsFile << ", " << problem << " (skipped)\n";
    }
    std::vector<RunVerdict> verdicts;
    bool allPassed = runs.problems.empty();
    for (const CableRun& run : runs.runs) {
        verdicts.push_back(checkRun(scenario, run));
        allPassed = allPassed && verdicts.back().pass;
    }
    printRunVerdicts(std::cout, options.format, verdicts, runs.problems.size());
    return allPassed ? kSuccess : kRunFailed;
}

int run(const Options& options) {
    const Scenario scenario = scenarioOf(options);
    const Results results = computeResults(scenario);
    int status = kSuccess;
    if (options.runsFile) {
        status = checkRuns(options, scenario);
    } else {
        std::optional<Budget> budget;
        if (options.lengthMeters) {
            budget = levelBudget(scenario, *options.lengthMeters);
        }
        printResults(std::cout, options.format, results, budget);
        if (results.warning && options.format == Format::Csv) {
            std::cerr << *results.warning << '\n';
        }
    }
    if (options.plotFile) {
        std::ofstream svg(*options.plotFile);
        svg << renderChart(scenario, results);
        if (!svg.flush()) {
            throw UsageError("--plot '" + *options.plotFile + "': cannot be written");
        }
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        const Options options = parseOptions(arguments);
        if (options.help) {
            std::cout << helpText();
            return kSuccess;
        }
        if (options.version) {
            std::cout << "tarvelle-cli " << Module1::kVersionText << "\n";
            return kSuccess;
        }
        return run(options);
    } catch (const UsageError& error) {
        std::cerr << "tarvelle-cli: " << error.what() << '\n';
    } catch (const InputError& error) {
        std::cerr << "tarvelle-cli: " << error.what() << '\n';
    } catch (const tarvelle::ArithmeticError& error) {
        std::cerr << "tarvelle-cli: Run-time error: " << error.what() << '\n';
    }
    return kBadUsage;
}
