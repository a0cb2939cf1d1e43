#pragma once

#include <string_view>

#include "window_operations.h"

namespace tarvelle {

inline constexpr std::string_view kBandWarning =
    "WARNING! In order to ensure the minimum distance is lower than the maximum distance, adjust "
    "RF amplication slope (tilt) or attenuate the lower frequencies.";

// What a click on Calculate does: validates the five level fields, evaluates
// the distance model at the chosen plan's band edges, writes the twelve result
// fields and warns when a band's minimum distance exceeds its maximum.
// Throws ArithmeticError, before any result field is written, when a level is
// so large that the model overflows.
void runCalculation(WindowOperations& window, std::string_view decimalSeparator);

}  // namespace tarvelle
