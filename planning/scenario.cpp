#include "planning/scenario.h"

#include "engine/levels.h"
#include "engine/number_rule.h"

namespace tarvelle::planning {

Results computeResults(const Scenario& scenario) {
    Results results;
    results.distances = calculateDistances(scenario.inputs);
    results.texts = resultTexts(results.distances, ".");
    if (results.distances.warns()) {
        results.warning = std::string(kBandWarning);
    }
    return results;
}

Budget levelBudget(const Scenario& scenario, double lengthMeters) {
    Budget budget{lengthMeters, levelsAtLength(scenario.inputs, scenario.plan, lengthMeters), 0, 0};
    budget.analogTilt = cableTilt(budget.edges[0], budget.edges[1], lengthMeters);
    budget.digitalTilt = cableTilt(budget.edges[2], budget.edges[3], lengthMeters);
    return budget;
}

}  // namespace tarvelle::planning
