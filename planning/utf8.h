#pragma once

// Reading UTF-8 one character at a time, strictly: the one decoder for every
// text that is repaired, escaped or searched for hidden characters.

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvelle::planning {

struct CodePoint {
    char32_t value;
    std::size_t length;  // bytes
};

// The well-formed UTF-8 sequence at the start of `text`, if there is one: no
// overlong forms, no surrogates, nothing above U+10FFFF. `text` is not empty.
std::optional<CodePoint> decodeUtf8(std::string_view text);

}  // namespace tarvelle::planning
