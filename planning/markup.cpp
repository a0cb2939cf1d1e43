#include "planning/markup.h"

#include <cstdint>
#include <optional>

#include "planning/hidden_characters.h"

namespace tarvelle::planning {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kReplacement = "\xef\xbf\xbd";

struct CodePoint {
    char32_t value;
    std::size_t length;
};

// The well-formed UTF-8 sequence at the start of `text`, if there is one:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<CodePoint> decode(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return CodePoint{lead, 1};
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xbf;
    char32_t value = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        value = lead & 0x1fu;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        value = lead & 0x0fu;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        value = lead & 0x07u;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xbf)) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3fu);
    }
    return CodePoint{value, length};
}

}  // namespace

std::string escapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto point = decode(text);
        if (!point) {
            out += kReplacement;
            text.remove_prefix(1);
            continue;
        }
        const char32_t c = point->value;
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        } else if (c >= 0x80 && c <= 0x9f) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        } else if (c == 0xfffe || c == 0xffff) {
            out += kReplacement;
        } else if (hidesFromReader(c)) {
            out += shownForPage(c);
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '\'') {
            out += "&#39;";
        } else {
            out.append(text.substr(0, point->length));
        }
        text.remove_prefix(point->length);
    }
    return out;
}

}  // namespace tarvelle::planning
