#pragma once

// The names a user types for a product configuration or a cable category, on
// the command line and in a runs file, and the one each is written back as.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvelle::planning {

// balun, 8-port, 16-port or 0, 1, 2, in any case.
std::optional<std::int16_t> productByName(std::string_view name);
// cat5, cat5e, cat6, cat6a, cat7 or 0, 1, 2, in any case.
std::optional<std::int16_t> cableByName(std::string_view name);

inline constexpr std::string_view kProductNamesHelp = "balun, 8-port, 16-port, or 0-2";
inline constexpr std::string_view kCableNamesHelp = "cat5e, cat6, cat6a, cat7, or 0-2";

// The short name of a table row: "8-port", "cat6".
std::string_view productName(std::int16_t product);
std::string_view cableName(std::int16_t cable);

// Which of a cable row's names a user wrote: cat5 and cat5e, cat6a and cat7
// are one row of the table but not one cable, and a run prints as written.
// A digit is written as its row's first name.
using CableSpelling = std::uint8_t;
inline constexpr std::size_t kCableSpellings = 8;  // any other prints as "none"
std::optional<CableSpelling> cableSpellingByName(std::string_view name);
constexpr CableSpelling firstSpelling(std::int16_t cable) {
    return static_cast<CableSpelling>(cable);
}
std::string_view spelledCableName(CableSpelling spelling);
// The row of the table a spelling names.
std::int16_t spelledCable(CableSpelling spelling);

}  // namespace tarvelle::planning
