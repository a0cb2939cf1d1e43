#include "engine/calculation_run.h"

#include <optional>

#include "engine/number_rule.h"

namespace tarvelle {

namespace {

// Reads the five level fields in the fixed order; the first that is not a
// number gets its message, is emptied and takes the focus, and nothing more
// happens.
std::optional<CalculationInputs> readLevels(WindowOperations& window, std::string_view separator) {
    CalculationInputs inputs;
    for (const LevelCheck& check : kLevelCheckOrder) {
        const TextBox box = kLevelFields[static_cast<std::size_t>(check.level)];
        const auto value = parseLevel(window.text(box), separator);
        if (!value) {
            window.showMessage(std::string(check.message));
            window.setText(box, "");
            window.setFocus(box);
            return std::nullopt;
        }
        levelOf(inputs, check.level) = *value;
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
