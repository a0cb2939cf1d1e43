#include "engine/number_rule.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace tarvelle {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view takeDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

// The same, with the digits' value added to `digits` as they are read, which
// is exact while there are at most kExactDigits of them in all.
std::string_view takeDigits(std::string_view text, std::size_t& pos, std::uint64_t& digits) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        digits = digits * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        ++pos;
    }
    return text.substr(start, pos - start);
}

bool startsAt(std::string_view text, std::size_t pos, std::string_view part) {
    if (part.size() > text.size() - pos) {
        return false;
    }
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (text[pos + i] != part[i]) {
            return false;
        }
    }
    return true;
}

// The power of ten of the leading significant digit, enough to tell whether a
// value that does not fit a double is too large or too small.
long long decimalMagnitude(std::string_view intDigits, std::string_view fracDigits,
                           std::string_view expDigits, bool negativeExponent) {
    long long exponent = 0;
    for (const char c : expDigits) {
        exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    }
    if (negativeExponent) {
        exponent = -exponent;
    }
    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
        return exponent + static_cast<long long>(intDigits.size() - firstInt) - 1;
    }
    const auto firstFrac = fracDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFrac) - 1;
}

constexpr std::size_t kExactDigits = 15;

constexpr std::array<double, kExactDigits + 1> kPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace

LeadingNumber leadingNumber(std::string_view text, std::string_view decimalSeparator) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint64_t digits = 0;
    const std::string_view intDigits = takeDigits(text, pos, digits);
    std::string_view fracDigits;
    if (!decimalSeparator.empty() && startsAt(text, pos, decimalSeparator)) {
        pos += decimalSeparator.size();
        fracDigits = takeDigits(text, pos, digits);
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return {0, std::nullopt};
    }
    // An exponent counts only with its digits; "1e" is the number 1 and a letter.
    std::string_view expDigits;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        bool minus = false;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            minus = text[exponentPos] == '-';
            ++exponentPos;
        }
        const std::string_view digits = takeDigits(text, exponentPos);
        if (!digits.empty()) {
            expDigits = digits;
            negativeExponent = minus;
            pos = exponentPos;
        }
    }

    // Up to 15 digits without an exponent, the usual case, are a whole number
    // below 2^53 over an exact power of ten: one division rounds it as
    // from_chars would.
    if (expDigits.empty() && intDigits.size() + fracDigits.size() <= kExactDigits) {
        const double value = static_cast<double>(digits) / kPowersOfTen[fracDigits.size()];
        return {pos, negative ? -value : value};
    }

    std::string canonical;
    canonical.reserve(text.size() + 4);
    if (negative) {
        canonical += '-';
    }
    canonical.append(intDigits.empty() ? "0" : intDigits);
    canonical += '.';
    canonical.append(fracDigits);
    if (!expDigits.empty()) {
        canonical += negativeExponent ? "e-" : "e";
        canonical.append(expDigits);
    }

    double value = 0;
    const auto [end, error] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (decimalMagnitude(intDigits, fracDigits, expDigits, negativeExponent) < 0) {
            return {pos, negative ? -0.0 : 0.0};
        }
        return {pos, std::nullopt};
    }
    if (error != std::errc() || end != canonical.data() + canonical.size()) {
        return {pos, std::nullopt};
    }
    return {pos, value};
}

namespace {

// The usual text, read in one pass: digits with at most one one-byte
// separator among them, at most kExactDigits in all, and at least one; the
// same value as leadingNumber gives it. Anything else is for leadingNumber.
std::optional<double> plainDecimal(std::string_view text, std::string_view decimalSeparator) {
    if (text.empty() || text.size() > kExactDigits + 1 || decimalSeparator.size() != 1) {
        return std::nullopt;
    }
    std::uint64_t digits = 0;
    std::size_t point = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
        } else if (text[i] == decimalSeparator.front() && point == text.size()) {
            point = i;
        } else {
            return std::nullopt;
        }
    }
    if (point != text.size() && text.size() == 1) {
        return std::nullopt;  // the separator alone
    }
    const std::size_t decimals = point == text.size() ? 0 : text.size() - point - 1;
    return static_cast<double>(digits) / kPowersOfTen[decimals];
}

}  // namespace

std::optional<double> parseLevel(std::string_view text, std::string_view decimalSeparator) {
    if (const auto plain = plainDecimal(text, decimalSeparator)) {
        return plain;
    }
    const LeadingNumber number = leadingNumber(text, decimalSeparator);
    if (number.length == 0 || number.length != text.size()) {
        return std::nullopt;
    }
    return number.value;
}

}  // namespace tarvelle
