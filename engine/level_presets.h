#pragma once

#include <string_view>

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

inline constexpr LevelPresetGroup kMinimumLevels{TextBox::PminAnalog, "0", TextBox::PminDigital,
                                                 "-12"};
inline constexpr LevelPresetGroup kMaximumLevels{TextBox::PmaxAnalog, "15", TextBox::PmaxDigital,
                                                 "15"};

}  // namespace tarvelle
