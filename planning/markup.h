#pragma once

// Text from the user inside HTML and SVG: escaped, valid UTF-8, and with no
// control character that could change how the page reads.

#include <string>
#include <string_view>

namespace tarvelle::planning {

// &, <, >, " and ' as character references; control characters shown as
// \xNN (C0 and DEL) or \u00NN (C1); bytes that are not UTF-8, and code points
// XML forbids, as U+FFFD; characters that hide from a reader (U+202E) by
// name, as ⟨U+202E⟩. Safe in element text and in quoted attributes.
std::string escapeMarkup(std::string_view text);

}  // namespace tarvelle::planning
