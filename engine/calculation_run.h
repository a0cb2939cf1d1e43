#pragma once

#include <array>
#include <string_view>

#include "engine/distance_calculation.h"
#include "engine/levels.h"
#include "engine/window_operations.h"

namespace tarvelle {

// The field that holds each level, in the order of Level.
inline constexpr std::array<TextBox, 5> kLevelFields{
    TextBox::Pin,        TextBox::PminAnalog,  TextBox::PminDigital,
    TextBox::PmaxAnalog, TextBox::PmaxDigital,
};

// What a click on Calculate does: validates the five level fields, evaluates
// the distance model at the chosen plan's band edges, writes the twelve result
// fields and warns when a band's minimum distance exceeds its maximum.
// Throws ArithmeticError, before any result field is written, when a level is
// so large that the model overflows.
void runCalculation(WindowOperations& window, std::string_view decimalSeparator);

}  // namespace tarvelle
