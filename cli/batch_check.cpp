#include "cli/batch_check.h"

#include "cli/messages/diagnostics.h"
#include "cli/reading/repeat_finder.h"
#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"
#include "planning/reading/runs_file.h"

namespace tarvelle::cli {

namespace {

// Repeated identifiers named one by one; the rest are counted in one line, so
// that a file of ten million repeats costs no more than one of unique rows.
constexpr std::size_t kNamedRepeats = 5;

std::string where(const std::string& name, const RunsRow& row) {
    return name + (row.firstLine == row.lastLine ? ", line " + std::to_string(row.firstLine)
                                                 : ", lines " + std::to_string(row.firstLine) +
                                                       "-" + std::to_string(row.lastLine));
}

CheckedRun check(const Scenario& scenario, const CableRun& run) {
    Scenario own = scenario;
    own.inputs.cableIndex = run.cable;
    own.inputs.productPosition = run.product;
    CheckedRun checked;
    checked.run = &run;
    checked.feet = MetersToFeet(run.meters);
    checked.edges = levelsAtLength(own.inputs, own.plan, run.meters);
    checked.verdict = verdictOf(checked.edges);
    if (!checked.verdict.pass) {
        checked.failingEdge = edgeText(own, checked.verdict.edge);
    }
    return checked;
}

std::string noRuns(const std::string& name, const BatchTotals& totals, bool anyRow) {
    std::string message = name + ": holds no runs";
    if (totals.malformed + totals.faulted > 0) {
        return message + " that can be checked (every row was skipped)";
    }
    return message + (anyRow ? " (only a header or blank lines)" : " (it is empty)");
}

}  // namespace

BatchTotals checkRuns(InputSource& input, const std::string& name, const Scenario& scenario,
                      RunsOutput* output, std::ostream& err, const RunObserver& observe) {
    const RunDefaults defaults{scenario.inputs.cableIndex, scenario.inputs.productPosition};
    RunsReader reader(input, defaults);
    RepeatFinder repeats;
    BatchTotals totals;
    RunsRow row;
    bool anyRow = false;
    try {
        while (reader.next(row)) {
            anyRow = true;
            if (row.kind == RunsRow::Kind::Problem) {
                ++totals.malformed;
                tell(err, where(name, row) + ": " + row.problem + " (skipped)");
                continue;
            }
            if (row.kind != RunsRow::Kind::Run) {
                continue;
            }
            const std::uint64_t idHash = repeats.hashAhead(row.run.id);
            CheckedRun checked;
            try {
                checked = check(scenario, row.run);
                if (observe) {
                    observe(checked);
                }
            } catch (const ArithmeticError& error) {
                ++totals.faulted;
                tell(err, where(name, row) + ": Run-time error: " + error.what() + " (skipped)");
                continue;
            }
            const bool wasFull = repeats.full();
            if (const auto first = repeats.seenBefore(idHash, row.firstLine)) {
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
            if (output != nullptr) {
                output->write(checked);
            }
            ++(checked.verdict.pass ? totals.passed : totals.failed);
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
    if (output != nullptr) {
        output->finish(totals);
    }
    return totals;
}

}  // namespace tarvelle::cli
