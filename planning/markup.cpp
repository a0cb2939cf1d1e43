#include "planning/markup.h"

#include "planning/hidden_characters.h"
#include "planning/utf8.h"

namespace tarvelle::planning {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kReplacement = "\xef\xbf\xbd";

}  // namespace

std::string escapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto point = decodeUtf8(text);
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
