#pragma once

#include <string>
#include <string_view>

namespace tarvelle {

// The "Fixed" display of a finite value: at least one digit before the
// decimal separator, exactly two after it, no digit grouping, and no minus
// sign on a value that shows as zero.
std::string formatFixed(double value, std::string_view decimalSeparator);

}  // namespace tarvelle
