#pragma once

// Cable lengths as people type them: a number and its unit.

#include <optional>
#include <string_view>

namespace tarvelle::cli {

enum class LengthUnit { Metres, Feet };

// The text without blanks or tabs at either end.
std::string_view trim(std::string_view text);

// "45m", "45 m", "150ft" or "150 FT": a non-negative length, in metres. With a
// unit for bare numbers (a column named for its unit), "45" is read in that
// unit and a number with the other unit is refused as a contradiction.
std::optional<double> parseLength(std::string_view text,
                                  std::optional<LengthUnit> bareUnit = std::nullopt);

}  // namespace tarvelle::cli
