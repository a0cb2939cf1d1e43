#pragma once

#include <string>
#include <string_view>

namespace tarvelle {

// The "Fixed" display of a finite value: at least one digit before the
// decimal separator, exactly two after it, no digit grouping, and no minus
// sign on a value that shows as zero. The digits are the value's exact
// decimal expansion rounded half to even, as std::to_chars gives them.
std::string formatFixed(double value, std::string_view decimalSeparator);

// The same text appended to `text`, with no string of its own.
void appendFixed(std::string& text, double value, std::string_view decimalSeparator = ".");

// The room writeFixed needs: the longest text (the largest double has 309
// whole digits) and then some.
inline constexpr std::size_t kFixedRoom = 400;

// The same text with "." written at `out`, which has kFixedRoom bytes of
// room, some of which it may write past the text; returns the text's end.
// For writers of many figures into one buffer.
char* writeFixed(char* out, double value);

}  // namespace tarvelle
