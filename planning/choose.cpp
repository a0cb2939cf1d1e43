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

ChoiceAccumulator::ChoiceAccumulator(const CalculationInputs& inputs, const FrequencyPlan& plan)
    : inputs_(inputs), plan_(plan) {
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

std::optional<Recommendation> ChoiceAccumulator::recommendation() const {
    if (runsChecked() == 0) {
        return std::nullopt;
    }
    const CombinationResult* best = nullptr;
    for (const CombinationResult& result : results_) {
        // Whether every run passes follows from the smallest margin alone, so
        // the largest one passes every run whenever any combination does.
        if (best == nullptr || result.smallestMargin > best->smallestMargin) {
            best = &result;
        }
    }
    return Recommendation{best->combination, best->passesAll(), best->smallestMargin,
                          best->runsPassed};
}

}  // namespace tarvelle::planning
