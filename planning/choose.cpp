#include "planning/choose.h"

#include "engine/cable_table.h"
#include "engine/product_table.h"
#include "planning/margins.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

CalculationInputs withCombination(CalculationInputs inputs, const Combination& combination) {
    inputs.productPosition = combination.product;
    inputs.cableIndex = combination.cable;
    return inputs;
}

}  // namespace

PlanScenario planScenario(const CalculationInputs& inputs, const FrequencyPlan& plan) {
    return {inputs.levelIn, inputs.analog, inputs.digital,
            plan[1].frequencyMHz == kPlan1[1].frequencyMHz ? 1 : 2};
}

ChoiceAccumulator::ChoiceAccumulator(const CalculationInputs& inputs, const FrequencyPlan& plan)
    : inputs_(inputs), plan_(plan) {
    tallies_.reserve(kCombinationCount);
    static_assert(kCombinationCount == kProductConfigurations.size() * kCableCategories.size());
    std::size_t i = 0;
    for (std::size_t product = 0; product < kProductConfigurations.size(); ++product) {
        for (std::size_t cable = 0; cable < kCableCategories.size(); ++cable) {
            CombinationResult& result = results_[i++];
            result.combination = {static_cast<std::int16_t>(product),
                                  static_cast<std::int16_t>(cable)};
            const CalculationInputs tried = withCombination(inputs_, result.combination);
            result.distances = calculateDistances(tried);
            result.noLengthShortfall = noLengthWorks(levelsAtLength(tried, plan_, 0), EdgeSet::Both,
                                                     result.distances.worstCase);
            tallies_.emplace_back(planScenario(inputs_, plan_));
        }
    }
}

void ChoiceAccumulator::add(std::string_view id, double meters) {
    std::array<double, kCombinationCount> margins{};
    for (std::size_t i = 0; i < kCombinationCount; ++i) {
        margins[i] = verdictOf(levelsAtLength(withCombination(inputs_, results_[i].combination),
                                              plan_, meters))
                         .margin;
    }
    // The levels above are the ones the tallies work from: a run that
    // overflows has thrown before any tally counts it.
    for (std::size_t i = 0; i < kCombinationCount; ++i) {
        tallies_[i].add({meters, results_[i].combination});
    }
    for (std::size_t i = 0; i < kCombinationCount; ++i) {
        CombinationResult& result = results_[i];
        if (result.runsChecked == 0 || margins[i] < result.smallestMargin) {
            result.smallestMargin = margins[i];
            result.tightestRun = std::string(id);
            result.tightestRunMeters = meters;
        }
        ++result.runsChecked;
        result.runsPassed += belowZeroAsPrinted(margins[i]) ? 0 : 1;
    }
}

std::vector<CombinationSummary> ChoiceAccumulator::summaries() const {
    std::vector<CombinationSummary> summaries;
    for (std::size_t i = 0; i < kCombinationCount; ++i) {
        summaries.push_back({results_[i].combination, tallies_[i].summary()});
    }
    return summaries;
}

std::optional<Recommendation> ChoiceAccumulator::recommendation() const {
    if (runsChecked() == 0) {
        return std::nullopt;
    }
    const std::vector<CombinationSummary> all = summaries();
    std::size_t best = 0;
    for (std::size_t i = 1; i < all.size(); ++i) {
        if (ranksBefore(all[i], all[best])) {
            best = i;
        }
    }
    const CombinationResult& result = results_[best];
    return Recommendation{result.combination, result.passesAll(), result.smallestMargin,
                          result.runsPassed, all[best].plan};
}

}  // namespace tarvelle::planning
