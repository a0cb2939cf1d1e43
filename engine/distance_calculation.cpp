#include "engine/distance_calculation.h"

#include <stdexcept>

#include "engine/checked_math.h"
#include "engine/distance_model.h"
#include "engine/fixed_format.h"

namespace tarvelle {

namespace {

DistanceRange evaluate(const CalculationInputs& inputs, const EvaluationPoint& point,
                       const ProductGains& gains) {
    const ReceiverWindow& window = point.band == Band::Analog ? inputs.analog : inputs.digital;
    DistanceRange range;
    BandEdgeDistances(inputs.levelIn, gains[point.gainColumn], point.frequencyMHz, window.minimum,
                      window.maximum, inputs.cableIndex, range.minimum, range.maximum);
    return range;
}

// A band may be as short as the longer of its edges' minimums and as long as
// the shorter of its edges' maximums; the worst case combines the two bands
// the same way.
DistanceRange combine(const DistanceRange& lower, const DistanceRange& upper) {
    return {Max(lower.minimum, upper.minimum), Min(lower.maximum, upper.maximum)};
}

}  // namespace

double Distances::operator[](Distance distance) const {
    switch (distance) {
        case Distance::AnalogMinimum:
            return analog.minimum;
        case Distance::AnalogMaximum:
            return analog.maximum;
        case Distance::DigitalMinimum:
            return digital.minimum;
        case Distance::DigitalMaximum:
            return digital.maximum;
        case Distance::WorstCaseMinimum:
            return worstCase.minimum;
        case Distance::WorstCaseMaximum:
            return worstCase.maximum;
    }
    return 0;
}

Distances calculateDistances(const CalculationInputs& inputs) {
    const ProductGains gains = productGains(inputs.productPosition);
    std::array<DistanceRange, 4> edges{};
    const auto evaluatePlan = [&](const FrequencyPlan& plan) {
        for (std::size_t i = 0; i < plan.size(); ++i) {
            edges[i] = evaluate(inputs, plan[i], gains);
        }
    };
    if (inputs.plan1) {
        evaluatePlan(kPlan1);
    }
    if (inputs.plan2) {
        evaluatePlan(kPlan2);
    }
    Distances distances;
    distances.analog = combine(edges[0], edges[1]);
    distances.digital = combine(edges[2], edges[3]);
    distances.worstCase = combine(distances.analog, distances.digital);
    return distances;
}

std::array<std::string, 2 * kDistanceCount> resultTexts(const Distances& distances,
                                                        std::string_view decimalSeparator) {
    std::array<std::string, 2 * kDistanceCount> texts;
    for (std::size_t i = 0; i < kDistanceCount; ++i) {
        const double meters = distances[static_cast<Distance>(i)];
        texts[2 * i] = formatFixed(MetersToFeet(meters), decimalSeparator);
        texts[2 * i + 1] = formatFixed(meters, decimalSeparator);
    }
    return texts;
}

EdgeLevels levelsAtLength(const CalculationInputs& inputs, const FrequencyPlan& plan,
                          double lengthMeters) {
    const auto cable = cableCategory(inputs.cableIndex);
    if (!cable) {
        throw std::invalid_argument("no cable category at that position");
    }
    const ProductGains gains = productGains(inputs.productPosition);
    EdgeLevels levels;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const EvaluationPoint& point = plan[i];
        EdgeLevel& edge = levels[i];
        edge.point = point;
        edge.levelIntoCable = (Checked(inputs.levelIn) + gains[point.gainColumn]).value();
        edge.lossPer100m = attenuationPer100m(*cable, point.frequencyMHz);
        edge.window = point.band == Band::Analog ? inputs.analog : inputs.digital;
    }
    return levelsAtLength(levels, lengthMeters);
}

double cableTilt(const EdgeLevel& lowEdge, const EdgeLevel& highEdge, double lengthMeters) {
    return ((Checked(highEdge.lossPer100m) - lowEdge.lossPer100m) * lengthMeters /
            kReferenceLengthMeters)
        .value();
}

}  // namespace tarvelle
