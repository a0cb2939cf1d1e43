#pragma once

// A table of the report laid out for a page's width: each column as wide as
// its content asks, numbers, names and identifiers of up to 40 characters
// on one line, headings wrapped between words; when even that is too wide
// the table's type is made smaller. Rows are measured apart so that pages
// can be broken between them.

#include <QFont>
#include <vector>

#include "ui/planner/report_blocks.h"

class QPainter;
class QPaintDevice;

namespace tarvelle::planner {

class TableLayout {
  public:
    TableLayout(const ReportBlock& table, const QFont& font, QPaintDevice* device, double width);

    double headHeight() const { return headHeight_; }
    double rowHeight(std::size_t row) const { return rowHeights_.at(row); }
    std::size_t rows() const { return rowHeights_.size(); }

    // Both at the table's left edge, `top` down the page.
    void drawHead(QPainter& painter, double left, double top) const;
    void drawRow(QPainter& painter, std::size_t row, double left, double top) const;

  private:
    struct Cell {
        const TableCell* cell;
        int row;
        int column;
    };
    void place();
    double measure(double width);
    double cellWidth(const Cell& cell) const;
    double cellHeight(const Cell& cell) const;
    QFont cellFont(const TableCell& cell) const;
    void drawCell(QPainter& painter, const Cell& cell, double left, double top,
                  double height) const;

    const ReportBlock& table_;
    QFont font_;
    QPaintDevice* device_;
    double pad_ = 0;  // on either side of a cell's text
    std::vector<Cell> head_;
    std::vector<std::vector<Cell>> body_;
    std::vector<double> columns_;  // widths
    std::vector<double> headRows_;
    double headHeight_ = 0;
    std::vector<double> rowHeights_;
};

}  // namespace tarvelle::planner
