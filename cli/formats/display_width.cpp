#include "cli/formats/display_width.h"

#include <utf8proc.h>

#include <algorithm>

#include "planning/utf8.h"

namespace tarvelle::cli {

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    while (!text.empty()) {
        // ASCII first: identifiers and the program's own words are mostly that.
        if (static_cast<unsigned char>(text.front()) < 0x80) {
            ++width;
            text.remove_prefix(1);
            continue;
        }
        const auto point = planning::decodeUtf8(text);
        if (!point) {
            ++width;
            text.remove_prefix(1);
            continue;
        }
        width += static_cast<std::size_t>(
            std::max(0, utf8proc_charwidth(static_cast<utf8proc_int32_t>(point->value))));
        text.remove_prefix(point->length);
    }
    return width;
}

}  // namespace tarvelle::cli
