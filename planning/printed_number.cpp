#include "planning/printed_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "engine/fixed_format.h"

namespace tarvelle::planning {

std::string fixed(double value) {
    return formatFixed(value, ".");
}

void appendFixed(std::string& line, double value) {
    // The largest double has 309 integer digits.
    std::array<char, 400> buffer;
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 2)
                          .ptr;
    const char* begin = buffer.data();
    // -0.001 shows as 0.00, as formatFixed has it.
    if (*begin == '-' && std::all_of(begin + 1, end, [](char c) { return c == '0' || c == '.'; })) {
        ++begin;
    }
    line.append(begin, end);
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
