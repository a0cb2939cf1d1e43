#pragma once

// Case folding for names and suffixes typed in ASCII (cable and product
// names, units, "m" and "ft", file extensions), whatever the locale.

#include <string>
#include <string_view>

namespace tarvelle::planning {

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string asciiLowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = asciiLower(c);
    }
    return result;
}

constexpr bool endsWithIgnoringCase(std::string_view text, std::string_view lowerSuffix) {
    if (text.size() < lowerSuffix.size()) {
        return false;
    }
    const std::string_view end = text.substr(text.size() - lowerSuffix.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (asciiLower(end[i]) != lowerSuffix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace tarvelle::planning
