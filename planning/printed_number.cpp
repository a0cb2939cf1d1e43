#include "planning/printed_number.h"

#include <charconv>
#include <cmath>

#include "engine/fixed_format.h"

namespace tarvelle::planning {

std::string fixed(double value) {
    return formatFixed(value, ".");
}

double printedValue(double value) {
    const std::string text = fixed(value);
    double printed = 0;
    std::from_chars(text.data(), text.data() + text.size(), printed);
    return printed;
}

std::string megahertz(double frequencyMHz) {
    return std::to_string(std::lround(frequencyMHz));
}

}  // namespace tarvelle::planning
