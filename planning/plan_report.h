#pragma once

// The chart and the report of a building's runs as the planner shows them:
// drawn for the product and cable chosen, each run marked by its own verdict.

#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "planning/html_report.h"
#include "planning/plan_results.h"
#include "planning/runs_document.h"
#include "planning/units.h"

namespace tarvelle::planning {

// The chart's SVG. Throws ChartError or ArithmeticError when it cannot be drawn.
std::string planChart(const PlanScenario& scenario, Combination shown, LevelUnit unit,
                      std::span<const PlannedRun> runs, const PlanResults& results);

// The HTML report; `report`'s inputs are set here from the scenario and the
// combination shown. Runs whose levels overflow are left out, as the command
// line leaves them; the rows that hold no run are listed on the first page,
// those not kept counted.
// Throws ArithmeticError when the scenario overflows.
void writePlanReport(std::ostream& out, ReportInputs report, const PlanScenario& scenario,
                     Combination shown, const std::vector<PlannedRun>& runs,
                     const RowProblems& problems);

}  // namespace tarvelle::planning
