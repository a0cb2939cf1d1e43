#include "cli/formats/text_table.h"

#include <algorithm>

namespace tarvelle::cli {

void printTable(std::ostream& out, const std::vector<TableRow>& rows,
                const std::vector<std::size_t>& minimumWidths) {
    std::vector<std::size_t> widths = minimumWidths;
    for (const TableRow& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t column = 0; column < row.size(); ++column) {
            // Two blanks ahead of every column after the first.
            widths[column] = std::max(widths[column], row[column].size() + (column > 0 ? 2 : 0));
        }
    }
    for (const TableRow& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::string& cell = row[column];
            const std::string padding(widths[column] - cell.size(), ' ');
            line += column == 0 ? cell + padding : padding + cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

}  // namespace tarvelle::cli
