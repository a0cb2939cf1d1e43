#include "engine/calculation_run.h"

#include <optional>
#include <stdexcept>

#include "engine/number_rule.h"

namespace tarvelle {

double& levelOf(CalculationInputs& inputs, TextBox box) {
    switch (box) {
        case TextBox::Pin:
            return inputs.levelIn;
        case TextBox::PminAnalog:
            return inputs.analog.minimum;
        case TextBox::PminDigital:
            return inputs.digital.minimum;
        case TextBox::PmaxAnalog:
            return inputs.analog.maximum;
        case TextBox::PmaxDigital:
            return inputs.digital.maximum;
        default:
            throw std::logic_error("not a level field");
    }
}

namespace {

// Reads the five level fields in the fixed order; the first that is not a
// number gets its message, is emptied and takes the focus, and nothing more
// happens.
std::optional<CalculationInputs> readLevels(WindowOperations& window, std::string_view separator) {
    CalculationInputs inputs;
    for (const auto& field : kLevelFields) {
        const auto value = parseLevel(window.text(field.box), separator);
        if (!value) {
            window.showMessage(std::string(field.message));
            window.setText(field.box, "");
            window.setFocus(field.box);
            return std::nullopt;
        }
        levelOf(inputs, field.box) = *value;
    }
    return inputs;
}

}  // namespace

void runCalculation(WindowOperations& window, std::string_view decimalSeparator) {
    auto inputs = readLevels(window, decimalSeparator);
    if (!inputs) {
        return;
    }
    inputs->cableIndex = window.selectedIndex(DropDownList::Combo_CableType);
    inputs->productPosition = window.selectedIndex(DropDownList::Combo_ProductConfig);
    inputs->plan1 = window.isChosen(OptionButton::OptionFrequency1);
    inputs->plan2 = window.isChosen(OptionButton::OptionFrequency2);

    const Distances distances = calculateDistances(*inputs);
    const auto texts = resultTexts(distances, decimalSeparator);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        window.setText(kResultFields[i], texts[i]);
    }
    if (distances.warns()) {
        window.showMessage(std::string(kBandWarning));
    }
}

}  // namespace tarvelle
