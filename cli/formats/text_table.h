#pragma once

// A few rows of text in columns, for people: the first column to the left,
// the others to the right, and always two blanks between columns however long
// a cell is, so that figures never run together.

#include <ostream>
#include <string>
#include <vector>

namespace tarvelle::cli {

using TableRow = std::vector<std::string>;

// Each column at least as wide as `minimumWidths` gives (missing: 0).
void printTable(std::ostream& out, const std::vector<TableRow>& rows,
                const std::vector<std::size_t>& minimumWidths);

}  // namespace tarvelle::cli
