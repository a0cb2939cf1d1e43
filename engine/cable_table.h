#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvelle {

// Attenuation per 100 m: alpha(f) = a*f + b*sqrt(f) + c/sqrt(f), f in MHz.
// Rows 0 and 1 are the Category 5e and 6 horizontal-cable insertion-loss
// limits; row 2 is the Category 7 limit, used for Category 6A as well.
struct CableCategory {
    std::string_view listText;
    double a;
    double b;
    double c;
};

inline constexpr std::array<CableCategory, 3> kCableCategories{{
    {"Cat5/5e", 0.023, 1.967, 0.05},
    {"Cat6", 0.017, 1.808, 0.2},
    {"Cat6A/Cat7", 0.01, 1.8, 0.2},
}};

// The row for a list position, or none for a position outside the table
// (-1 means nothing is selected).
constexpr std::optional<CableCategory> cableCategory(std::int16_t index) {
    if (index < 0 || index >= static_cast<int>(kCableCategories.size())) {
        return std::nullopt;
    }
    return kCableCategories[static_cast<std::size_t>(index)];
}

inline constexpr double kReferenceLengthMeters = 100;
inline constexpr double kMetersPerFoot = 0.3048;

}  // namespace tarvelle
