#pragma once

// Writing one CSV field, as RFC 4180 has it.

#include <string>
#include <string_view>

namespace tarvelle::cli {

// The field as it stands when it needs no quotes; in double quotes, with its
// quotes doubled, when it holds a comma, semicolon, tab, quote, CR or LF
// (any of which a reader may take for a separator), or begins or ends
// with a blank (which a reader would otherwise trim).
std::string csvQuoted(std::string_view field);

// What a quoted field holds between its quotes: the text with its quotes
// doubled.
std::string doubledQuotes(std::string_view text);

// Text that came from the input, made a safe field: invalid UTF-8 repaired,
// and a leading ' when it begins with =, +, -, @, tab or CR, so that a
// spreadsheet shows it as text instead of running it as a formula.
std::string csvTextField(std::string_view text);

}  // namespace tarvelle::cli
