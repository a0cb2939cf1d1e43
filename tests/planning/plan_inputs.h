#pragma once

// Inputs as the window's presets give them: receiver windows 0 to 15 dBmV
// (analog) and -12 to 15 dBmV (digital), plan 2.

#include <cstdint>

#include "engine/distance_calculation.h"

namespace tarvelle::planning::testing {

inline CalculationInputs presetInputs(double pin, std::int16_t product, std::int16_t cable) {
    CalculationInputs inputs;
    inputs.levelIn = pin;
    inputs.analog = {0, 15};
    inputs.digital = {-12, 15};
    inputs.productPosition = product;
    inputs.cableIndex = cable;
    inputs.plan1 = false;
    inputs.plan2 = true;
    return inputs;
}

}  // namespace tarvelle::planning::testing
