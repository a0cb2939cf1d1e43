#include "calculation_run.h"

#include <array>
#include <utility>

#include "distance_model.h"
#include "fixed_format.h"
#include "number_rule.h"
#include "product_table.h"

namespace tarvelle {

namespace {

struct LevelField {
    TextBox box;
    std::string_view message;
};

// Both minimum fields come before both maximum fields.
constexpr std::array<LevelField, 5> kValidationOrder{{
    {TextBox::Pin, "ERROR: Input Signal Strength must be a valid number"},
    {TextBox::PminAnalog, "ERROR: Pmin Analog must be a valid number"},
    {TextBox::PminDigital, "ERROR: Pmin Digital must be a valid number"},
    {TextBox::PmaxAnalog, "ERROR: Pmax Analog must be a valid number"},
    {TextBox::PmaxDigital, "ERROR: Pmax Digital must be a valid number"},
}};

struct DistancePair {
    double minimum = 0;
    double maximum = 0;
};

bool validateLevels(WindowOperations& window, std::string_view separator) {
    for (const auto& field : kValidationOrder) {
        if (!parseLevel(window.text(field.box), separator)) {
            window.showMessage(std::string(field.message));
            window.setText(field.box, "");
            window.setFocus(field.box);
            return false;
        }
    }
    return true;
}

double levelOf(const WindowOperations& window, TextBox box, std::string_view separator) {
    // Validation has passed the same text under the same rule.
    return parseLevel(window.text(box), separator).value();
}

DistancePair evaluate(const WindowOperations& window, std::string_view separator,
                      const EvaluationPoint& point, const ProductGains& gains,
                      std::int16_t cableIndex) {
    const bool analog = point.band == Band::Analog;
    const double levelMax =
        levelOf(window, analog ? TextBox::PmaxAnalog : TextBox::PmaxDigital, separator);
    const double levelMin =
        levelOf(window, analog ? TextBox::PminAnalog : TextBox::PminDigital, separator);
    const double levelIn = levelOf(window, TextBox::Pin, separator);
    DistancePair result;
    BandEdgeDistances(levelIn, gains[point.gainColumn], point.frequencyMHz, levelMin, levelMax,
                      cableIndex, result.minimum, result.maximum);
    return result;
}

// A band may be as short as the longer of its edges' minimums and as long as
// the shorter of its edges' maximums.
DistancePair combine(const DistancePair& lower, const DistancePair& upper) {
    return {Max(lower.minimum, upper.minimum), Min(lower.maximum, upper.maximum)};
}

}  // namespace

void runCalculation(WindowOperations& window, std::string_view decimalSeparator) {
    if (!validateLevels(window, decimalSeparator)) {
        return;
    }
    const std::int16_t cableIndex = window.selectedIndex(DropDownList::Combo_CableType);
    const ProductGains gains =
        productGains(window.selectedIndex(DropDownList::Combo_ProductConfig));

    std::array<DistancePair, 4> edges{};
    const auto evaluatePlan = [&](const FrequencyPlan& plan) {
        for (std::size_t i = 0; i < plan.size(); ++i) {
            edges[i] = evaluate(window, decimalSeparator, plan[i], gains, cableIndex);
        }
    };
    if (window.isChosen(OptionButton::OptionFrequency1)) {
        evaluatePlan(kPlan1);
    }
    if (window.isChosen(OptionButton::OptionFrequency2)) {
        evaluatePlan(kPlan2);
    }

    const DistancePair analog = combine(edges[0], edges[1]);
    const DistancePair digital = combine(edges[2], edges[3]);
    const DistancePair worstCase = combine(analog, digital);

    const std::array<std::pair<double, std::array<TextBox, 2>>, 6> display{{
        {analog.minimum, {TextBox::MinDistanceAnalogFt, TextBox::MinDistanceAnalogM}},
        {analog.maximum, {TextBox::MaxDistanceAnalogFt, TextBox::MaxDistanceAnalogM}},
        {digital.minimum, {TextBox::MinDistanceDigitalFt, TextBox::MinDistanceDigitalM}},
        {digital.maximum, {TextBox::MaxDistanceDigitalFt, TextBox::MaxDistanceDigitalM}},
        {worstCase.minimum, {TextBox::MinWorstCaseFt, TextBox::MinWorstCaseM}},
        {worstCase.maximum, {TextBox::MaxWorstCaseFt, TextBox::MaxWorstCaseM}},
    }};
    for (const auto& [meters, fields] : display) {
        window.setText(fields[0], formatFixed(MetersToFeet(meters), decimalSeparator));
        window.setText(fields[1], formatFixed(meters, decimalSeparator));
    }

    // The worst case is not compared: it may cross while both bands are in order.
    if (analog.minimum > analog.maximum || digital.minimum > digital.maximum) {
        window.showMessage(std::string(kBandWarning));
    }
}

}  // namespace tarvelle
