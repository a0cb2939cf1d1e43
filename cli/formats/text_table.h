#pragma once

// A few rows of text in columns, for people: each column aligned to its left
// or right by the columns a terminal gives its text (displayWidth), and
// always two blanks between columns however long a cell is, so that figures
// never run together.

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace tarvelle::cli {

using TableRow = std::vector<std::string>;

enum class Align { Left, Right };

struct TableColumn {
    // The column's least width, the two blanks ahead of it included.
    std::size_t minimumWidth = 0;
    Align align = Align::Right;
};

// A row may be longer than `columns`: the columns it adds are as wide as
// their cells and aligned to the right.
void printTable(std::ostream& out, const std::vector<TableRow>& rows,
                const std::vector<TableColumn>& columns);

}  // namespace tarvelle::cli
