#pragma once

#include <string_view>

#include "window_operations.h"

namespace Module1 {

// A receiver-level group: in preset mode its two fields are disabled and show
// the preset texts; in custom mode they are enabled and keep what they hold.
struct LevelPresetGroup {
    tarvelle::TextBox analogField;
    std::string_view analogPreset;
    tarvelle::TextBox digitalField;
    std::string_view digitalPreset;
};

inline constexpr LevelPresetGroup kMinimumLevels{tarvelle::TextBox::PminAnalog, "0",
                                                 tarvelle::TextBox::PminDigital, "-12"};
inline constexpr LevelPresetGroup kMaximumLevels{tarvelle::TextBox::PmaxAnalog, "15",
                                                 tarvelle::TextBox::PmaxDigital, "15"};

}  // namespace Module1
