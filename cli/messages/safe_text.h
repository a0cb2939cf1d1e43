#pragma once

// Text from a runs file or the command line made safe for where it goes: valid
// UTF-8 for CSV and JSON, and free of control characters for a terminal.

#include <string>
#include <string_view>

namespace tarvelle::cli {

// The text with every byte that is not part of a valid UTF-8 sequence
// replaced by U+FFFD.
std::string repairUtf8(std::string_view text);

// The text with control characters, invalid bytes and the characters that
// reorder a line shown escaped (\x1b, \xff, \u202e) and a backslash doubled,
// so that nothing in it acts on a terminal and every escape is unambiguous.
std::string escapeForTerminal(std::string_view text);

}  // namespace tarvelle::cli
