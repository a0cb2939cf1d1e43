#pragma once

#include <span>

#include "ui/widgets/control_table.h"

namespace tarvelle::ui {

std::span<const widgets::ControlSpec> aboutWindowControls();

// The client area, in twips.
inline constexpr int kAboutClientWidthTwips = 5865;
inline constexpr int kAboutClientHeightTwips = 3525;

}  // namespace tarvelle::ui
