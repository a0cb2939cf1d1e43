#pragma once

// Which character separates the fields of a runs file. Spreadsheets export
// CSV with commas, or with semicolons where the comma is the decimal mark, or
// with tabs; the first line that is not blank (the header or the first run)
// tells which. A line that could be read more than one way is refused rather
// than guessed: "101;85,50m" read with commas is a run "101;85" of 50 m.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvelle::planning {

struct SeparatorGuess {
    char separator = ',';   // ',', ';' or '\t'
    std::string ambiguity;  // not empty when the line can be read more than one way
};

// From the bytes of one line, without its line break. Characters inside
// double quotes do not count. With ';' or a tab beside commas, a comma
// between two digits is a decimal mark, not a separator.
SeparatorGuess guessSeparator(std::string_view line);

// Whether lengths in a file with this separator may be written with a
// decimal comma ("85,50m").
constexpr bool decimalCommaAllowed(char separator) {
    return separator != ',';
}

}  // namespace tarvelle::planning
