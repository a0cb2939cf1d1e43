#pragma once

// The one rule for level texts typed by the user: it decides whether a text is
// a number and, when it is, what number, so a text that passes validation
// always converts to the same value.

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvelle {

// The whole text must be: an optional sign, digits with at most one decimal
// separator (at least one digit in all), and an optional exponent ("e" or "E",
// optional sign, digits). No blanks, grouping, hex, "inf" or "nan". Values
// beyond the double range are not numbers; values too small for it become 0.
std::optional<double> parseLevel(std::string_view text, std::string_view decimalSeparator);

// The longest start of a text that reads as a number under the same rule:
// its length (0 when the text does not begin with a number) and its value
// (none when it lies beyond the double range).
struct LeadingNumber {
    std::size_t length;
    std::optional<double> value;
};

LeadingNumber leadingNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace tarvelle
