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

}  // namespace tarvelle
