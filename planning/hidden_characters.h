#pragma once

// Characters that change how a line reads without being seen: the
// bidirectional marks, embeddings, overrides and isolates, the zero-width
// characters and the line and paragraph separators. An identifier holding
// U+202E can show as another's ("201" for "102"), so wherever a person reads
// identifiers these are shown by name instead; where a program reads them
// (CSV, JSON) the identifier stays exact.

#include <string>
#include <string_view>

namespace tarvelle::planning {

bool hidesFromReader(char32_t codePoint);

// "⟨U+202E⟩" for a page, "\u202e" for JSON.
std::string shownForPage(char32_t codePoint);
std::string shownForJson(char32_t codePoint);

// Valid UTF-8 with each hidden character replaced by `shown`.
std::string replaceHidden(std::string_view utf8, std::string (*shown)(char32_t));

}  // namespace tarvelle::planning
