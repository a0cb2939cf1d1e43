#pragma once

// The five levels of a calculation as plain values: the order in which they
// are checked, the message for one that is not a number, the receiver
// presets and the band warning. The window's run and tarvelle-cli read them
// here, each mapping a level to its own field or option.

#include <array>
#include <string_view>

#include "engine/distance_calculation.h"

namespace tarvelle {

enum class Level { Input, MinimumAnalog, MinimumDigital, MaximumAnalog, MaximumDigital };

struct LevelCheck {
    Level level;
    std::string_view message;  // for a text that is not a number
};

// Both minimum levels before both maximum levels.
inline constexpr std::array<LevelCheck, 5> kLevelCheckOrder{{
    {Level::Input, "ERROR: Input Signal Strength must be a valid number"},
    {Level::MinimumAnalog, "ERROR: Pmin Analog must be a valid number"},
    {Level::MinimumDigital, "ERROR: Pmin Digital must be a valid number"},
    {Level::MaximumAnalog, "ERROR: Pmax Analog must be a valid number"},
    {Level::MaximumDigital, "ERROR: Pmax Digital must be a valid number"},
}};

// Where a level's number goes among the inputs.
double& levelOf(CalculationInputs& inputs, Level level);

// The preset receiver levels, dBmV, as the texts the window shows.
struct LevelPresets {
    std::string_view analog;
    std::string_view digital;
};
inline constexpr LevelPresets kMinimumPresets{"0", "-12"};
inline constexpr LevelPresets kMaximumPresets{"15", "15"};

// Shown when a band's minimum distance exceeds its maximum.
inline constexpr std::string_view kBandWarning =
    "WARNING! In order to ensure the minimum distance is lower than the maximum distance, adjust "
    "RF amplication slope (tilt) or attenuate the lower frequencies.";

}  // namespace tarvelle
