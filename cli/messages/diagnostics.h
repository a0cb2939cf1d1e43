#pragma once

// Messages on standard error: one line each, after the program's name, with
// anything that came from the input escaped so that it cannot act on the
// terminal.

#include <ostream>
#include <string>
#include <string_view>

namespace tarvelle::cli {

void tell(std::ostream& err, std::string_view message);

// A text from the input as a message quotes it: 'text', cut short when long,
// since a row may be 64 KiB.
std::string quotedShort(std::string_view text);

// The system's words for the error of the last failed call (errno).
std::string systemReason();

}  // namespace tarvelle::cli
