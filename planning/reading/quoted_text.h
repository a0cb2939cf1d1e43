#pragma once

// Texts from a runs file and reasons from the system, as the reader's
// messages name them, whichever face shows the messages.

#include <string>
#include <string_view>

namespace tarvelle::planning {

// A text from the input as a message quotes it: 'text', cut short when long,
// since a row may be 64 KiB.
std::string quotedShort(std::string_view text);

// The system's words for the error of the last failed call (errno).
std::string systemReason();

}  // namespace tarvelle::planning
