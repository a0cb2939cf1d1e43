#include "engine/fixed_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tarvelle {

namespace {

// Below this, value × 100 and its rounding error are exact doubles and the
// hundredths fit a 64-bit integer with room to spare.
constexpr double kFastLimit = 1e13;

// The value in hundredths, rounded as its exact decimal expansion would be:
// the product and its rounding error (by fma) are together exactly
// value × 100, and only a product that lands on a half needs the error to
// decide which way it goes.
std::int64_t hundredths(double value) {
    const double scaled = value * 100;
    const double error = std::fma(value, 100, -scaled);
    double whole = std::nearbyint(scaled);  // halves to even
    const double part = scaled - whole;
    if (part == 0.5 && error > 0) {
        whole += 1;
    } else if (part == -0.5 && error < 0) {
        whole -= 1;
    }
    return static_cast<std::int64_t>(whole);
}

// Any finite value, through the library's exact conversion.
void appendSlow(std::string& text, double value, std::string_view decimalSeparator) {
    // The largest double has 309 integer digits.
    std::array<char, 400> buffer{};
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, 2)
                                .ptr;
    std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (digits.starts_with('-') && digits.find_first_not_of("-0.") == std::string_view::npos) {
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    text.append(digits.substr(0, point));
    text.append(decimalSeparator);
    text.append(digits.substr(point + 1));
}

}  // namespace

void appendFixed(std::string& text, double value, std::string_view decimalSeparator) {
    if (!(std::fabs(value) < kFastLimit)) {
        appendSlow(text, value, decimalSeparator);
        return;
    }
    const std::int64_t signedCents = hundredths(value);
    if (signedCents < 0) {
        text += '-';
    }
    auto cents = static_cast<std::uint64_t>(signedCents < 0 ? -signedCents : signedCents);
    std::array<char, 24> whole{};
    char* const end = std::to_chars(whole.data(), whole.data() + whole.size(), cents / 100).ptr;
    text.append(whole.data(), end);
    text.append(decimalSeparator);
    cents %= 100;
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
}

std::string formatFixed(double value, std::string_view decimalSeparator) {
    std::string text;
    appendFixed(text, value, decimalSeparator);
    return text;
}

}  // namespace tarvelle
