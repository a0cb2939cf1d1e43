#include "engine/fixed_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tarvelle {

namespace {

// Below this, value × 100 is below 2^51, where its rounding error is an exact
// double and the hundredths fit a 64-bit integer.
constexpr double kFastLimit = 1e13;
// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// How many bytes writeFixed copies at once: more than its longest fast text.
constexpr std::size_t kCopied = 24;
static_assert(kCopied < kFixedRoom);

// A locale's decimal separator is a character or two of UTF-8.
constexpr std::size_t kLongestSeparator = 8;

// The value in hundredths, rounded as its exact decimal expansion would be:
// the product and its rounding error are together exactly value × 100, and
// only a product that lands on a half needs the error to decide which way it
// goes. The error comes from Dekker's split of the value into two halves
// whose products with 100 are exact, with no call to a library's fma.
std::int64_t hundredths(double value) {
    const double scaled = value * 100;
    // Adding and taking away 1.5 × 2^52 rounds to a whole number, halves to
    // even, as long as |scaled| < 2^51.
    constexpr double kRounder = 6755399441055744.0;
    double whole = (scaled + kRounder) - kRounder;
    const double part = scaled - whole;
    if (part == 0.5 || part == -0.5) {
        constexpr double kSplitter = 134217729.0;  // 2^27 + 1
        const double spread = value * kSplitter;
        const double high = spread - (spread - value);
        const double low = value - high;
        const double error = (high * 100 - scaled) + low * 100;
        if (part == 0.5 && error > 0) {
            whole += 1;
        } else if (part == -0.5 && error < 0) {
            whole -= 1;
        }
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

// appendSlow's text at `out`. Kept out of writeFixed, whose usual path then
// needs no string and no frame of its own.
[[gnu::cold, gnu::noinline]] char* writeSlow(char* out, double value) {
    std::string text;
    appendSlow(text, value, ".");
    return std::copy(text.begin(), text.end(), out);
}

// The text of a value below kFastLimit, written leftwards so that it ends
// at `end`; returns where it begins. Inlined into each caller, where a
// constant separator's copy is one store.
[[gnu::always_inline]] inline char* writeFast(char* end, double value, std::string_view decimalSeparator) {
    const std::int64_t signedCents = hundredths(value);
    auto cents = static_cast<std::uint64_t>(signedCents < 0 ? -signedCents : signedCents);
    // Two digits at a time: the decimals, the separator, the whole part (at
    // most 13 digits), the sign.
    char* first = end - 2;
    std::copy_n(&kDigitPairs[2 * (cents % 100)], 2, first);
    cents /= 100;
    first -= decimalSeparator.size();
    decimalSeparator.copy(first, decimalSeparator.size());
    const char* const point = first;
    while (cents >= 10) {
        first -= 2;
        std::copy_n(&kDigitPairs[2 * (cents % 100)], 2, first);
        cents /= 100;
    }
    if (cents > 0 || first == point) {
        *--first = static_cast<char>('0' + cents);
    }
    if (signedCents < 0) {
        *--first = '-';
    }
    return first;
}

// The longest text writeFast makes with a one-byte separator: a sign, 13
// whole digits, the point and two decimals.
constexpr std::size_t kLongestFast = 17;
static_assert(kLongestFast <= kCopied);

}  // namespace

void appendFixed(std::string& text, double value, std::string_view decimalSeparator) {
    if (!(std::fabs(value) < kFastLimit) || decimalSeparator.size() > kLongestSeparator) {
        appendSlow(text, value, decimalSeparator);
        return;
    }
    std::array<char, kLongestSeparator + 16> digits;
    char* const end = digits.data() + digits.size();
    const char* const first = writeFast(end, value, decimalSeparator);
    text.append(first, static_cast<std::size_t>(end - first));
}

char* writeFixed(char* out, double value) {
    if (!(std::fabs(value) < kFastLimit)) {
        return writeSlow(out, value);
    }
    // Written into the middle of a scratch buffer and copied as a whole
    // block of fixed size, which compiles to a few moves; the bytes past the
    // text's end are the caller's room, written over by what comes next.
    std::array<char, 2 * kCopied> scratch;
    char* const end = scratch.data() + kCopied;
    const char* const first = writeFast(end, value, ".");
    std::memcpy(out, first, kCopied);
    return out + (end - first);
}

std::string formatFixed(double value, std::string_view decimalSeparator) {
    std::string text;
    appendFixed(text, value, decimalSeparator);
    return text;
}

}  // namespace tarvelle
