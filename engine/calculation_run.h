#pragma once

#include <array>
#include <string_view>

#include "engine/distance_calculation.h"
#include "engine/window_operations.h"

namespace tarvelle {

inline constexpr std::string_view kBandWarning =
    "WARNING! In order to ensure the minimum distance is lower than the maximum distance, adjust "
    "RF amplication slope (tilt) or attenuate the lower frequencies.";

// The level fields in the order they are checked, both minimum fields before
// both maximum fields, each with the message for a text that is not a number.
struct LevelField {
    TextBox box;
    std::string_view message;
};

inline constexpr std::array<LevelField, 5> kLevelFields{{
    {TextBox::Pin, "ERROR: Input Signal Strength must be a valid number"},
    {TextBox::PminAnalog, "ERROR: Pmin Analog must be a valid number"},
    {TextBox::PminDigital, "ERROR: Pmin Digital must be a valid number"},
    {TextBox::PmaxAnalog, "ERROR: Pmax Analog must be a valid number"},
    {TextBox::PmaxDigital, "ERROR: Pmax Digital must be a valid number"},
}};

// Where a level field's number goes among the inputs.
double& levelOf(CalculationInputs& inputs, TextBox levelField);

// What a click on Calculate does: validates the five level fields, evaluates
// the distance model at the chosen plan's band edges, writes the twelve result
// fields and warns when a band's minimum distance exceeds its maximum.
// Throws ArithmeticError, before any result field is written, when a level is
// so large that the model overflows.
void runCalculation(WindowOperations& window, std::string_view decimalSeparator);

}  // namespace tarvelle
