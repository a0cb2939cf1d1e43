#pragma once

// The chart's colours. None is the only sign of anything: every colour goes
// with a hatching, a dash pattern, a lightness or a word that tells it in grey.

#include <string_view>

namespace tarvelle::planning {

inline constexpr std::string_view kAnalogColour = "#1f5fbf";
inline constexpr std::string_view kDigitalColour = "#c0392b";
inline constexpr std::string_view kWorstColour = "#2e8b57";
inline constexpr std::string_view kPassColour = "#2e8b57";
inline constexpr std::string_view kFailColour = "#a61b0f";

}  // namespace tarvelle::planning
