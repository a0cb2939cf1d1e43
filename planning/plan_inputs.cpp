#include "planning/plan_inputs.h"

#include <algorithm>

#include "engine/checked_math.h"
#include "engine/fixed_format.h"

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

bool showsBelowZero(double margin) {
    // Only a margin near -0.005 needs the printed text to decide.
    if (margin > -0.004) {
        return false;
    }
    if (margin < -0.006) {
        return true;
    }
    return formatFixed(margin, ".").starts_with('-');
}

RunCheck checkRun(const PlanScenario& scenario, const PlanRun& run) {
    RunCheck check;
    check.edges =
        levelsAtLength(inputsFor(scenario, run.combination), frequencyPlan(scenario), run.meters);
    bool first = true;
    for (const EdgeLevel& edge : check.edges) {
        const double toMinimum = (Checked(edge.received) - edge.window.minimum).value();
        const double toMaximum = (Checked(edge.window.maximum) - edge.received).value();
        check.belowMinimum = check.belowMinimum || showsBelowZero(toMinimum);
        check.aboveMaximum = check.aboveMaximum || showsBelowZero(toMaximum);
        const double smaller = std::min(toMinimum, toMaximum);
        check.margin = first ? smaller : std::min(check.margin, smaller);
        first = false;
    }
    check.pass = !check.belowMinimum && !check.aboveMaximum;
    return check;
}

}  // namespace tarvelle::planning
