#include "cli/formats/text_table.h"

#include <algorithm>

#include "cli/formats/display_width.h"

namespace tarvelle::cli {

void printTable(std::ostream& out, const std::vector<TableRow>& rows,
                const std::vector<TableColumn>& columns) {
    std::vector<TableColumn> shape = columns;
    for (const TableRow& row : rows) {
        shape.resize(std::max(shape.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            // Two blanks ahead of every column after the first.
            shape[column].minimumWidth = std::max(shape[column].minimumWidth,
                                                  displayWidth(row[column]) + (column > 0 ? 2 : 0));
        }
    }
    for (const TableRow& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::string& cell = row[column];
            const std::size_t blanks = column > 0 ? 2 : 0;
            const std::size_t padding = shape[column].minimumWidth - displayWidth(cell) - blanks;
            line.append(blanks, ' ');
            if (shape[column].align == Align::Right) {
                line.append(padding, ' ');
                line += cell;
            } else {
                line += cell;
                line.append(padding, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

}  // namespace tarvelle::cli
