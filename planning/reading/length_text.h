#pragma once

// Cable lengths as people type them: a number and its unit.

#include <optional>
#include <string_view>

namespace tarvelle::planning {

enum class LengthUnit { Metres, Feet };

// The text without blanks or tabs at either end.
std::string_view trim(std::string_view text);

// The longest length read as a cable run: a longer one is a typing or
// export mistake (1e300m), not a run, and is refused.
inline constexpr double kLongestRunMeters = 10'000;

// "45m", "45 m", "150ft" or "150 FT": a non-negative length up to 10 km, in
// metres. With a unit for bare numbers (a column named for its unit), "45" is
// read in that unit and a number with the other unit is refused as a
// contradiction. With `decimalComma`, "85,50m" is read as well as "85.50m".
std::optional<double> parseLength(std::string_view text,
                                  std::optional<LengthUnit> bareUnit = std::nullopt,
                                  bool decimalComma = false);

// A length as the planner's user types it, into a cell or a pasted row: a
// number with its unit, or a bare number in metres.
std::optional<double> parseTypedLength(std::string_view text, bool decimalComma = false);

// Whether the text is a length but one beyond kLongestRunMeters, for a message
// that says so.
bool beyondLongestRun(std::string_view text, std::optional<LengthUnit> bareUnit = std::nullopt,
                      bool decimalComma = false);

}  // namespace tarvelle::planning
