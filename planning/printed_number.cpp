#include "planning/printed_number.h"

#include <charconv>
#include <cmath>

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

std::string megahertzText(double frequencyMHz) {
    return megahertz(frequencyMHz) + " MHz";
}

std::string levelText(double dbmv, LevelUnit unit, std::string_view joint) {
    std::string text = fixed(fromDbmv(dbmv, unit));
    text += joint;
    text += unitLabel(unit);
    return text;
}

}  // namespace tarvelle::planning
