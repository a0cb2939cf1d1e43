#include "cli/options/scenario_options.h"

#include <cmath>

#include "engine/levels.h"
#include "engine/number_rule.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

namespace {

const LevelOption& optionFor(Level level) {
    for (const auto& option : kLevelOptions) {
        if (option.level == level) {
            return option;
        }
    }
    throw std::logic_error("no option for that level");
}

}  // namespace

Scenario scenarioOf(const Options& options) {
    Scenario scenario{{}, options.plan == 1 ? kPlan1 : kPlan2};
    for (const LevelCheck& check : kLevelCheckOrder) {
        const LevelOption& option = optionFor(check.level);
        const std::string& text = options.*option.text;
        const auto value = parseLevel(text, ".");
        if (!value) {
            throw InputError(std::string(option.name) + " '" + text +
                             "': " + std::string(check.message));
        }
        levelOf(scenario.inputs, check.level) = toDbmv(*value, options.units);
    }
    scenario.inputs.productPosition = options.product;
    scenario.inputs.cableIndex = options.cable;
    scenario.inputs.plan1 = options.plan == 1;
    scenario.inputs.plan2 = options.plan == 2;
    scenario.unit = options.units;
    return scenario;
}

void requireCheckableLevels(const Options& options, const Scenario& scenario) {
    CalculationInputs inputs = scenario.inputs;
    for (const LevelCheck& check : kLevelCheckOrder) {
        if (std::abs(levelOf(inputs, check.level)) > kLargestCheckableLevel) {
            const LevelOption& option = optionFor(check.level);
            throw InputError(std::string(option.name) + " '" + options.*option.text +
                             "': a level this large cannot be checked to 0.01 dB; levels "
                             "within \u00b11e12 dBmV can");
        }
    }
}

}  // namespace tarvelle::cli
