#include "planning/plan_inputs.h"

#include "planning/verdict.h"

namespace tarvelle::planning {

const FrequencyPlan& frequencyPlan(const PlanScenario& scenario) {
    return scenario.plan == 1 ? kPlan1 : kPlan2;
}

CalculationInputs inputsFor(const PlanScenario& scenario, const Combination& combination) {
    CalculationInputs inputs;
    inputs.levelIn = scenario.levelIn;
    inputs.analog = scenario.analog;
    inputs.digital = scenario.digital;
    inputs.productPosition = combination.product;
    inputs.cableIndex = combination.cable;
    inputs.plan1 = scenario.plan == 1;
    inputs.plan2 = scenario.plan != 1;
    return inputs;
}

RunCheck checkRun(const PlanScenario& scenario, const PlanRun& run) {
    RunCheck check;
    check.edges =
        levelsAtLength(inputsFor(scenario, run.combination), frequencyPlan(scenario), run.meters);
    const RunVerdict verdict = verdictOf(check.edges);
    check.pass = verdict.pass;
    check.margin = verdict.margin;
    for (const EdgeLevel& edge : check.edges) {
        check.belowMinimum = check.belowMinimum || belowZeroAsPrinted(marginToMinimum(edge));
        check.aboveMaximum = check.aboveMaximum || belowZeroAsPrinted(marginToMaximum(edge));
    }
    return check;
}

}  // namespace tarvelle::planning
