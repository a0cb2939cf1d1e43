#include "planning/plan_report.h"

#include "engine/arithmetic_error.h"
#include "planning/reading/runs_file.h"
#include "planning/svg_chart.h"

namespace tarvelle::planning {

std::string planChart(const PlanScenario& scenario, Combination shown, LevelUnit unit,
                      std::span<const PlannedRun> runs, const PlanResults& results) {
    const ChartInputs inputs{inputsFor(scenario, shown), frequencyPlan(scenario), unit};
    RunMarks marks = runMarksFor(inputs);
    for (std::size_t i = 0; i < runs.size() && i < results.runs.size(); ++i) {
        if (results.runs[i].status == RunStatus::Computed) {
            marks.add(runs[i].meters, results.runs[i].pass, runs[i].combination);
        }
    }
    return renderChart(inputs, marks);
}

void writePlanReport(std::ostream& out, ReportInputs report, const PlanScenario& scenario,
                     Combination shown, const std::vector<PlannedRun>& runs,
                     const RowProblems& problems) {
    report.inputs = inputsFor(scenario, shown);
    report.plan = frequencyPlan(scenario);
    HtmlReport page(out, report);
    RunMarks marks = runMarksFor({report.inputs, report.plan, report.unit});
    for (const PlannedRun& run : runs) {
        ReportRun row;
        row.id = run.id;
        row.meters = run.meters;
        row.cable = run.combination.cable;
        row.product = run.combination.product;
        try {
            row.edges =
                levelsAtLength(inputsFor(scenario, run.combination), report.plan, run.meters);
            row.verdict = verdictOf(row.edges);
        } catch (const ArithmeticError&) {
            continue;
        }
        page.addRun(row);
        marks.add(run.meters, row.verdict.pass, run.combination);
    }
    for (const RowProblem& problem : problems.kept) {
        page.addSkipped(lineRange(problem.firstLine, problem.lastLine), problem.reason);
    }
    page.countSkipped(problems.count - problems.kept.size());
    page.finish(marks);
}

}  // namespace tarvelle::planning
