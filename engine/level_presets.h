#pragma once

#include <string_view>

#include "engine/levels.h"
#include "engine/window_operations.h"

namespace tarvelle {

// A receiver-level group: in preset mode its two fields are disabled and show
// the preset texts; in custom mode they are enabled and keep what they hold.
struct LevelPresetGroup {
    TextBox analogField;
    std::string_view analogPreset;
    TextBox digitalField;
    std::string_view digitalPreset;
};

inline constexpr LevelPresetGroup kMinimumLevels{TextBox::PminAnalog, kMinimumPresets.analog,
                                                 TextBox::PminDigital, kMinimumPresets.digital};
inline constexpr LevelPresetGroup kMaximumLevels{TextBox::PmaxAnalog, kMaximumPresets.analog,
                                                 TextBox::PmaxDigital, kMaximumPresets.digital};

}  // namespace tarvelle
