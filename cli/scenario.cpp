#include "cli/scenario.h"

#include <cmath>

#include "engine/calculation_run.h"
#include "engine/number_rule.h"

namespace tarvelle::cli {

namespace {

struct LevelOption {
    TextBox field;
    std::string_view option;
    std::string Options::*text;
};

constexpr std::array<LevelOption, 5> kLevelOptions{{
    {TextBox::Pin, "--pin", &Options::pin},
    {TextBox::PminAnalog, "--pmin-analog", &Options::pminAnalog},
    {TextBox::PminDigital, "--pmin-digital", &Options::pminDigital},
    {TextBox::PmaxAnalog, "--pmax-analog", &Options::pmaxAnalog},
    {TextBox::PmaxDigital, "--pmax-digital", &Options::pmaxDigital},
}};

const LevelOption& optionFor(TextBox field) {
    for (const auto& option : kLevelOptions) {
        if (option.field == field) {
            return option;
        }
    }
    throw std::logic_error("no option for that level");
}

}  // namespace

Scenario scenarioOf(const Options& options) {
    Scenario scenario{{}, options.plan == 1 ? kPlan1 : kPlan2};
    for (const LevelField& field : kLevelFields) {
        const LevelOption& option = optionFor(field.box);
        const std::string& text = options.*option.text;
        const auto value = parseLevel(text, ".");
        if (!value) {
            throw InputError(std::string(option.option) + " '" + text +
                             "': " + std::string(field.message));
        }
        levelOf(scenario.inputs, field.box) = toDbmv(*value, options.units);
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
    for (const LevelField& field : kLevelFields) {
        if (std::abs(levelOf(inputs, field.box)) > kLargestCheckableLevel) {
            const LevelOption& option = optionFor(field.box);
            throw InputError(std::string(option.option) + " '" + options.*option.text +
                             "': a level this large cannot be checked to 0.01 dB; levels "
                             "within \u00b11e12 dBmV can");
        }
    }
}

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

}  // namespace tarvelle::cli
