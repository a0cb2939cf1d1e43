// tarvelle-cli: the window's calculation from the command line, with level
// budgets, batch checks of many runs, the choice of product and cable, a chart
// and a report.

#include <unistd.h>

#include <algorithm>
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

#include "cli/batch_check.h"
#include "cli/files/interrupt_cleanup.h"
#include "cli/files/output_file.h"
#include "cli/files/output_targets.h"
#include "cli/formats/choice_output.h"
#include "cli/formats/feed_range_output.h"
#include "cli/formats/results_output.h"
#include "cli/formats/runs_output.h"
#include "cli/messages/cli_error.h"
#include "cli/messages/diagnostics.h"
#include "cli/options/scenario_options.h"
#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"
#include "engine/version.h"
#include "planning/choose.h"
#include "planning/combination_rank.h"
#include "planning/html_report.h"
#include "planning/plan_tally.h"
#include "planning/printed_number.h"
#include "planning/svg_chart.h"
#include "planning/wording.h"

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

// Where each checked run goes besides standard output: the choice, the feed
// range, the report and the chart's marks.
struct Extras final : RunSink {
    explicit Extras(const Scenario& shown, bool chosen = false)
        : scenario(shown), onChosen(chosen) {}

    Scenario scenario;  // the chart's and the report's, the choice's once made
    std::optional<ChoiceAccumulator> choice;
    std::optional<PlanTally> feed;
    std::optional<RunMarks> marks;
    std::optional<HtmlReport> report;
    // Every run on the scenario's product and cable (the choice's), whatever
    // its row says, as the choice tried it.
    bool onChosen = false;

    void take(const CheckedRun& checked) override {
        const CableRun& run = *checked.run;
        // The choice first: it may fail on this run, and then nothing else
        // shows it either.
        if (choice) {
            choice->add(run.id, run.meters);
        }
        if (feed) {
            feed->add({run.meters, {run.product, run.cable}});
        }
        if (!report && !marks) {
            return;
        }
        ReportRun shown{run, checked.edges, checked.verdict};
        if (onChosen) {
            shown.cable = scenario.inputs.cableIndex;
            shown.product = scenario.inputs.productPosition;
            shown.edges = levelsAtLength(scenario.inputs, scenario.plan, run.meters);
            shown.verdict = verdictOf(shown.edges);
        }
        if (report) {
            report->addRun(shown);
        }
        if (marks) {
            marks->add(run.meters, shown.verdict.pass, {shown.product, shown.cable});
        }
    }

    // Whether it takes anything: a run costs a call otherwise.
    bool wanted() const { return choice || feed || marks || report; }

    void note(const RowNote& note) override {
        if (report) {
            note.repeat ? report->addRepeat(note.where, note.reason)
                        : report->addSkipped(note.where, note.reason);
        }
    }
};

// The runs still failing at one feed level, named.
class StillFailingSink final : public RunSink {
  public:
    StillFailingSink(const PlanScenario& there, StillFailing& failing)
        : there_(there), failing_(failing) {}
    void take(const CheckedRun& checked) override {
        const CableRun& run = *checked.run;
        if (!checkRun(there_, {run.meters, {run.product, run.cable}}).pass) {
            failing_.add(quotedShort(run.id));
        }
    }

  private:
    const PlanScenario& there_;
    StillFailing& failing_;
};

// The runs file read again, for what needs every run first: its messages were
// told the first time.
void readAgain(const std::string& path, const Scenario& scenario, RunSink& sink) {
    FileInput again(path);
    std::ostream quiet(nullptr);
    RunSink* const sinks[] = {&sink};
    checkRuns(again, again.name(), scenario, firstSpelling(scenario.inputs.cableIndex), quiet,
              sinks);
}

// How a check ends, decided here alone: success when what was asked passes
// (every run; with --choose some product and cable for every run; with
// --feed-range some feed level for every run) and no row was skipped.
int statusOf(bool passes, bool skippedRows) {
    return passes && !skippedRows ? kSuccess : kRunFailed;
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
    const Wording wording = wordingFor(scenario.unit);
    // Drawn once before anything is printed, so that a chart that cannot be
    // drawn stops the program before it has done anything.
    if (options.plotFile) {
        drawChart(scenario, runMarksFor(scenario), *options.plotFile);
    }
    std::optional<AtomicFile> reportFile;
    if (options.reportFile) {
        reportFile.emplace(*options.reportFile);
    }
    const std::string runsSource =
        runs ? runs->name() : "--length " + fixed(*options.lengthMeters) + " m";
    // The report and the chart's marks, for the scenario's product and cable.
    const auto startOutputs = [&](Extras& extras, const std::string& recommendation) {
        if (options.plotFile || options.reportFile) {
            extras.marks = runMarksFor(extras.scenario);
        }
        if (reportFile) {
            extras.report.emplace(
                reportFile->stream(),
                ReportInputs{extras.scenario, runsSource, reportDate,
                             std::string("tarvelle-cli ") + tarvelle::kVersionText, options.project,
                             options.site, options.preparedBy, recommendation});
        }
    };

    Extras extras(scenario);
    if (options.choose) {
        extras.choice.emplace(scenario.inputs, scenario.plan);
    } else {
        startOutputs(extras, {});
    }
    if (options.feedRange) {
        extras.feed.emplace(planScenario(scenario.inputs, scenario.plan));
    }
    const bool ownOutput = extras.choice || extras.feed;

    const OutputStyle style{options.format, ::isatty(STDOUT_FILENO) == 1};
    int status = kSuccess;
    bool skippedRows = false;
    std::optional<CableRun> lengthRun;
    if (runs) {
        const std::unique_ptr<RunsOutput> output =
            runsOutput(std::cout, style, planScenario(scenario.inputs, scenario.plan), wording);
        std::vector<RunSink*> sinks;
        if (extras.wanted()) {
            sinks.push_back(&extras);
        }
        if (!ownOutput) {
            sinks.push_back(output.get());
        }
        const BatchTotals totals =
            checkRuns(*runs, runs->name(), scenario, options.cableSpelling, std::cerr, sinks);
        skippedRows = totals.skipped() > 0;
        status = statusOf(totals.failed == 0, skippedRows);
    } else if (options.lengthMeters) {
        const Budget budget = levelBudget(scenario, *options.lengthMeters);
        const CheckedLength length{budget, tarvelle::MetersToFeet(budget.lengthMeters),
                                   verdictOf(budget.edges)};
        lengthRun = CableRun{"run 1", budget.lengthMeters, scenario.inputs.cableIndex,
                             scenario.inputs.productPosition, options.cableSpelling};
        extras.take({&*lengthRun, length.feet, budget.edges, length.verdict, {}});
        status = statusOf(length.verdict.pass, false);
        if (!ownOutput) {
            printResults(std::cout, style, scenario, results, length);
        }
    } else {
        printResults(std::cout, style, scenario, results, std::nullopt);
    }
    if (!runs && results.warning && options.format == Format::Csv && !ownOutput) {
        std::cerr << *results.warning << '\n';
    }
    std::optional<Extras> chosen;
    if (extras.choice) {
        const auto best = extras.choice->recommendation();
        const bool anyPassesAll =
            std::ranges::any_of(extras.choice->results(),
                                [](const CombinationResult& result) { return result.passesAll(); });
        status = statusOf(anyPassesAll, skippedRows);
        printChoice(std::cout, options.format, *extras.choice, wording);
        if (options.reportFile || options.plotFile) {
            // The report and the chart are of the recommended combination, on
            // every run as the choice tried them.
            chosen.emplace(scenario, true);
            chosen->scenario.inputs.productPosition = best->combination.product;
            chosen->scenario.inputs.cableIndex = best->combination.cable;
            startOutputs(*chosen, recommendationReason({best->combination, best->plan}, wording));
            if (runs) {
                readAgain(*options.runsFile, scenario, *chosen);
            } else {
                chosen->take({&*lengthRun, 0, {}, {}, {}});
            }
        }
    }
    if (extras.feed) {
        const PlanSummary plan = extras.feed->summary();
        StillFailing failing;
        if (const auto level = plan.feed.suggestedLevel(); level && !plan.feed.everyRunPasses) {
            PlanScenario there = planScenario(scenario.inputs, scenario.plan);
            there.levelIn = *level;
            StillFailingSink stillFailing(there, failing);
            if (runs) {
                readAgain(*options.runsFile, scenario, stillFailing);
            } else {
                stillFailing.take({&*lengthRun, 0, {}, {}, {}});
            }
        }
        printFeedRange(std::cout, plan, failing, wording);
        status = statusOf(plan.feed.everyRunPasses.has_value(), skippedRows);
    }
    if (!std::cout.flush()) {
        throw OutputFileError("standard output: cannot be written");
    }
    // Every file complete before any is put in place: a failure on one
    // leaves all as they were.
    Extras& shown = chosen ? *chosen : extras;
    std::optional<AtomicFile> plot;
    if (options.plotFile) {
        const std::string drawn = drawChart(shown.scenario, *shown.marks, *options.plotFile);
        plot.emplace(*options.plotFile);
        plot->stream() << kXmlDeclaration << drawn;
        plot->complete();
    }
    if (shown.report) {
        shown.report->finish(*shown.marks);
        reportFile->complete();
        reportFile->commit();
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
