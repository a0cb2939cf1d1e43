#pragma once

#include <span>

#include "ui/widgets/control_table.h"

namespace Module1 {

std::span<const ControlSpec> aboutWindowControls();

// The client area, in twips.
inline constexpr int kAboutClientWidthTwips = 5865;
inline constexpr int kAboutClientHeightTwips = 3525;

}  // namespace Module1
