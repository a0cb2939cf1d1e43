#include "engine/fixed_format.h"

#include <array>
#include <charconv>

namespace tarvelle {

std::string formatFixed(double value, std::string_view decimalSeparator) {
    // The largest double has 309 integer digits.
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, 2)
                         .ptr;
    std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    if (digits.starts_with('-') && digits.find_first_not_of("-0.") == std::string_view::npos) {
        digits.remove_prefix(1);
    }
    std::string text;
    text.reserve(digits.size() + decimalSeparator.size());
    for (const char c : digits) {
        if (c == '.') {
            text.append(decimalSeparator);
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace tarvelle
