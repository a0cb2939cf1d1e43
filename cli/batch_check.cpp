#include "cli/batch_check.h"

#include "cli/messages/diagnostics.h"
#include "cli/reading/repeat_finder.h"
#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"
#include "planning/reading/runs_file.h"

#include <array>
#include <vector>

namespace tarvelle::cli {

namespace {

// Repeated identifiers named one by one; the rest are counted in one line, so
// that a file of ten million repeats costs no more than one of unique rows.
constexpr std::size_t kNamedRepeats = 5;

std::string where(const std::string& name, const RunsRow& row) {
    return name + ", " + lineRange(row.firstLine, row.lastLine);
}

// What does not change from run to run: the four edges' levels into the
// cable and loss per metre for each cable and product the file names, worked
// out on the first run that names them, and the edges' names.
class RunChecker {
  public:
    explicit RunChecker(const Scenario& scenario) : scenario_(scenario) {
        for (std::size_t edge = 0; edge < edgeTexts_.size(); ++edge) {
            edgeTexts_[edge] = edgeText(scenario, edge);
        }
    }

    CheckedRun check(const CableRun& run) {
        CheckedRun checked{&run,
                           MetersToFeet(run.meters),
                           levelsAtLength(edgesFor(run.cable, run.product), run.meters),
                           {},
                           {}};
        checked.verdict = verdictOf(checked.edges);
        if (!checked.verdict.pass) {
            checked.failingEdge = edgeTexts_[checked.verdict.edge];
        }
        return checked;
    }

  private:
    struct Combination {
        std::int16_t cable;
        std::int16_t product;
        EdgeLevels edges;
    };

    const EdgeLevels& edgesFor(std::int16_t cable, std::int16_t product) {
        for (const Combination& known : known_) {
            if (known.cable == cable && known.product == product) {
                return known.edges;
            }
        }
        CalculationInputs inputs = scenario_.inputs;
        inputs.cableIndex = cable;
        inputs.productPosition = product;
        // Bounded: one entry for each cable and product the tables hold.
        known_.push_back({cable, product, levelsAtLength(inputs, scenario_.plan, 0)});
        return known_.back().edges;
    }

    const Scenario& scenario_;
    std::array<std::string, 4> edgeTexts_;
    std::vector<Combination> known_;
};

std::string noRuns(const std::string& name, const BatchTotals& totals, bool anyRow) {
    std::string message = name + ": holds no runs";
    if (totals.malformed + totals.faulted > 0) {
        return message + " that can be checked (every row was skipped)";
    }
    return message + (anyRow ? " (only a header or blank lines)" : " (it is empty)");
}

}  // namespace

BatchTotals checkRuns(InputSource& input, const std::string& name, const Scenario& scenario,
                      CableSpelling cableSpelling, std::ostream& err,
                      std::span<RunSink* const> sinks) {
    const auto noted = [&](bool repeat, const RunsRow& row, const std::string& reason) {
        for (RunSink* sink : sinks) {
            sink->note({repeat, lineRange(row.firstLine, row.lastLine), reason});
        }
    };
    const RunDefaults defaults{scenario.inputs.cableIndex, scenario.inputs.productPosition,
                               cableSpelling};
    RunsReader reader(input, defaults);
    RepeatFinder repeats;
    BatchTotals totals;
    RunsRow row;
    RunChecker checker(scenario);
    bool anyRow = false;
    try {
        while (reader.next(row)) {
            anyRow = true;
            if (row.kind == RunsRow::Kind::Problem) {
                ++totals.malformed;
                tell(err, where(name, row) + ": " + row.problem + " (skipped)");
                noted(false, row, row.problem);
                continue;
            }
            if (row.kind != RunsRow::Kind::Run) {
                continue;
            }
            const std::uint64_t idHash = repeats.hashAhead(row.run.id);
            bool passed = false;
            try {
                const CheckedRun checked = checker.check(row.run);
                for (RunSink* sink : sinks) {
                    sink->take(checked);
                }
                passed = checked.verdict.pass;
            } catch (const ArithmeticError& error) {
                ++totals.faulted;
                tell(err, where(name, row) + ": Run-time error: " + error.what() + " (skipped)");
                noted(false, row, std::string("Run-time error: ") + error.what());
                continue;
            }
            const bool wasFull = repeats.full();
            if (const auto first = repeats.seenBefore(idHash, row.firstLine)) {
                noted(true, row,
                      "identifier " + quotedShort(row.run.id) + " repeats line " +
                          std::to_string(*first));
                if (++totals.repeated <= kNamedRepeats) {
                    tell(err, where(name, row) + ": warning: identifier " +
                                  quotedShort(row.run.id) + " repeats line " +
                                  std::to_string(*first));
                }
            } else if (!wasFull && repeats.full()) {
                tell(err, where(name, row) + ": warning: identifiers after this line are checked " +
                              "for repeats against the first " +
                              std::to_string(RepeatFinder::kCapacity) + " only");
            }
            ++(passed ? totals.passed : totals.failed);
        }
    } catch (const RunsFileError& error) {
        throw InputFileError(name + ", " + error.what());
    } catch (const NotTextError& error) {
        throw InputFileError(name + ": " + error.what());
    }
    if (totals.checked() == 0) {
        throw InputFileError(noRuns(name, totals, anyRow));
    }
    if (totals.repeated > kNamedRepeats) {
        tell(err, name + ": warning: " + std::to_string(totals.repeated) +
                      " runs repeat an earlier identifier; the first " +
                      std::to_string(kNamedRepeats) + " are named above");
    }
    for (RunSink* sink : sinks) {
        sink->finish(totals);
    }
    return totals;
}

}  // namespace tarvelle::cli
