#include "planning/hidden_characters.h"

#include "planning/utf8.h"

namespace tarvelle::planning {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

std::string hex4(char32_t codePoint) {
    std::string digits;
    for (int shift = 12; shift >= 0; shift -= 4) {
        digits += kHex[(codePoint >> shift) & 0xF];
    }
    return digits;
}

}  // namespace

bool hidesFromReader(char32_t c) {
    return c == 0x00AD || c == 0x061C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) || c == 0xFEFF;
}

std::string shownForPage(char32_t codePoint) {
    return "\u27E8U+" + hex4(codePoint) + "\u27E9";
}

std::string shownForJson(char32_t codePoint) {
    std::string escaped = "\\u" + hex4(codePoint);
    for (char& c : escaped) {
        c = c >= 'A' && c <= 'F' ? static_cast<char>(c + 32) : c;
    }
    return escaped;
}

std::string replaceHidden(std::string_view utf8, std::string (*shown)(char32_t)) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto point = decodeUtf8(utf8.substr(at));
        if (!point || point->length == 1) {
            out += utf8[at++];
            continue;
        }
        if (hidesFromReader(point->value)) {
            out += shown(point->value);
        } else {
            out.append(utf8.substr(at, point->length));
        }
        at += point->length;
    }
    return out;
}

}  // namespace tarvelle::planning
