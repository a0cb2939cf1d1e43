#include "planning/reading/field_separator.h"

#include <array>

namespace tarvelle::planning {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view shown(char separator) {
    return separator == '\t' ? "tabs" : separator == ';' ? "semicolons" : "commas";
}

}  // namespace

SeparatorGuess guessSeparator(std::string_view line) {
    std::size_t commas = 0;
    std::size_t decimalCommas = 0;
    std::size_t semicolons = 0;
    std::size_t tabs = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == ',') {
            ++commas;
            const bool betweenDigits =
                i > 0 && i + 1 < line.size() && isDigit(line[i - 1]) && isDigit(line[i + 1]);
            decimalCommas += betweenDigits ? 1 : 0;
        } else if (c == ';') {
            ++semicolons;
        } else if (c == '\t') {
            // Tabs beside a field are blanks in a comma file; only a tab
            // between two fields' text separates.
            const bool inside = i > 0 && i + 1 < line.size() && line[i - 1] != ' ' &&
                                line[i - 1] != '\t' && line[i - 1] != ',' && line[i + 1] != ' ' &&
                                line[i + 1] != '\t' && line[i + 1] != ',';
            tabs += inside ? 1 : 0;
        }
    }
    const std::size_t otherThanComma = semicolons + tabs;
    // Beside semicolons or tabs, "85,50" is a number.
    const std::size_t separatingCommas = otherThanComma > 0 ? commas - decimalCommas : commas;
    std::array<std::pair<char, std::size_t>, 3> counts{
        {{',', separatingCommas}, {';', semicolons}, {'\t', tabs}}};
    SeparatorGuess guess;
    std::size_t kinds = 0;
    for (const auto& [separator, count] : counts) {
        if (count > 0) {
            ++kinds;
            if (kinds == 1) {
                guess.separator = separator;
            } else {
                guess.ambiguity = std::string("both ") + std::string(shown(guess.separator)) +
                                  " and " + std::string(shown(separator)) +
                                  " could separate its fields";
            }
        }
    }
    return guess;
}

}  // namespace tarvelle::planning
