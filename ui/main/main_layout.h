#pragma once

#include <span>

#include "ui/widgets/control_table.h"

namespace tarvelle::ui {

// Every control of the main window, frames first so that the level fields and
// the minimum-level options, which lie over the frames, are drawn above them.
std::span<const widgets::ControlSpec> mainWindowControls();

// The spoken names of the inputs, options and results, with their labels.
std::span<const widgets::AccessibleText> mainWindowAccessibleTexts();

// The client area below the menu bar, in twips.
inline constexpr int kMainClientWidthTwips = 10905;
inline constexpr int kMainClientHeightTwips = 6930;

}  // namespace tarvelle::ui
