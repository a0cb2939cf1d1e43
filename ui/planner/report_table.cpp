#include "ui/planner/report_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

namespace tarvelle::planner {

namespace {

// A text of up to this many characters is never broken.
constexpr qsizetype kUnbroken = 40;
// Smaller than this the table's type is not made: the table is squeezed.
constexpr double kSmallestType = 5;

bool wraps(const TableCell& cell) {
    return cell.breakable || cell.text.size() > kUnbroken;
}

QTextOption textOption(const TableCell& cell) {
    QTextOption option(cell.number ? Qt::AlignRight : Qt::AlignLeft);
    option.setWrapMode(wraps(cell)    ? QTextOption::WrapAtWordBoundaryOrAnywhere
                       : cell.heading ? QTextOption::WordWrap
                                      : QTextOption::NoWrap);
    return option;
}

// Lays the layout's text out in lines of `width`; returns its height.
double layOut(QTextLayout& layout, double width) {
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition({0, height});
        height += line.height();
    }
    layout.endLayout();
    return height;
}

double sum(const std::vector<double>& values, std::size_t first, std::size_t count) {
    return std::accumulate(values.begin() + static_cast<std::ptrdiff_t>(first),
                           values.begin() + static_cast<std::ptrdiff_t>(first + count), 0.0);
}

}  // namespace

TableLayout::TableLayout(const ReportBlock& table, const QFont& font, QPaintDevice* device,
                         double width)
    : table_(table), font_(font), device_(device) {
    place();
    for (;;) {
        const double least = measure(width);
        if (least <= width || font_.pointSizeF() <= kSmallestType) {
            break;
        }
        font_.setPointSizeF(std::max(kSmallestType, font_.pointSizeF() * width / least * 0.98));
    }
    for (const Cell& cell : head_) {
        if (cell.cell->rows == 1) {
            headRows_.at(static_cast<std::size_t>(cell.row)) =
                std::max(headRows_.at(static_cast<std::size_t>(cell.row)), cellHeight(cell));
        }
    }
    for (const Cell& cell : head_) {
        const auto first = static_cast<std::size_t>(cell.row);
        const auto count = static_cast<std::size_t>(cell.cell->rows);
        if (const double short_ = cellHeight(cell) - sum(headRows_, first, count); short_ > 0) {
            headRows_.at(first + count - 1) += short_;
        }
    }
    headHeight_ = sum(headRows_, 0, headRows_.size());
    for (const std::vector<Cell>& row : body_) {
        double height = 0;
        for (const Cell& cell : row) {
            height = std::max(height, cellHeight(cell));
        }
        rowHeights_.push_back(height);
    }
}

// Each cell's column, the heading's spans taken into account.
void TableLayout::place() {
    std::vector<std::vector<bool>> taken(table_.head.size());
    for (std::size_t r = 0; r < table_.head.size(); ++r) {
        std::size_t column = 0;
        for (const TableCell& cell : table_.head[r]) {
            while (column < taken[r].size() && taken[r][column]) {
                ++column;
            }
            head_.push_back({&cell, static_cast<int>(r), static_cast<int>(column)});
            const std::size_t last =
                std::min(taken.size(), r + static_cast<std::size_t>(cell.rows));
            for (std::size_t below = r; below < last; ++below) {
                taken[below].resize(
                    std::max(taken[below].size(), column + static_cast<std::size_t>(cell.columns)));
                std::fill_n(taken[below].begin() + static_cast<std::ptrdiff_t>(column),
                            cell.columns, true);
            }
            column += static_cast<std::size_t>(cell.columns);
        }
    }
    headRows_.assign(table_.head.size(), 0);
    for (const TableRow& row : table_.body) {
        body_.emplace_back();
        int column = 0;
        for (const TableCell& cell : row) {
            body_.back().push_back({&cell, 0, column});
            column += cell.columns;
        }
    }
}

// Sets the columns' widths for the table's type; returns the narrowest the
// table can be with it.
double TableLayout::measure(double width) {
    const QFontMetricsF metrics(font_, device_);
    pad_ = 0.35 * metrics.height();
    std::vector<double> least;
    std::vector<double> most;
    std::vector<const Cell*> spanning;
    const auto take = [&](const Cell& cell) {
        const auto column = static_cast<std::size_t>(cell.column);
        const auto end = column + static_cast<std::size_t>(cell.cell->columns);
        if (least.size() < end) {
            least.resize(end, 0);
            most.resize(end, 0);
        }
        if (cell.cell->columns > 1) {
            spanning.push_back(&cell);
            return;
        }
        const QFontMetricsF cellMetrics(cellFont(*cell.cell), device_);
        const double natural = cellMetrics.horizontalAdvance(cell.cell->text);
        double narrowest = natural;
        if (wraps(*cell.cell)) {
            narrowest = std::min(natural, kUnbroken * cellMetrics.averageCharWidth());
        } else if (cell.cell->heading) {
            narrowest = 0;
            for (const QString& word : cell.cell->text.split(u' ')) {
                narrowest = std::max(narrowest, cellMetrics.horizontalAdvance(word));
            }
        }
        // A little over the text's own width, so that the line never breaks.
        least[column] = std::max(least[column], narrowest + 2.1 * pad_);
        most[column] = std::max(most[column], natural + 2.1 * pad_);
    };
    std::ranges::for_each(head_, take);
    for (const std::vector<Cell>& row : body_) {
        std::ranges::for_each(row, take);
    }
    for (const Cell* cell : spanning) {
        const auto first = static_cast<std::size_t>(cell->column);
        const auto count = static_cast<std::size_t>(cell->cell->columns);
        const double natural =
            QFontMetricsF(cellFont(*cell->cell), device_).horizontalAdvance(cell->cell->text) +
            2.1 * pad_;
        for (std::vector<double>* widths : {&least, &most}) {
            if (const double short_ = natural - sum(*widths, first, count); short_ > 0) {
                for (std::size_t i = first; i < first + count; ++i) {
                    (*widths)[i] += short_ / static_cast<double>(count);
                }
            }
        }
    }
    const double leastWidth = sum(least, 0, least.size());
    const double mostWidth = sum(most, 0, most.size());
    columns_ = most;
    if (mostWidth <= width) {
        // The runs table spans the page, as in the browser.
        if (table_.className.split(u' ').contains(QStringLiteral("runs")) && mostWidth > 0) {
            for (double& column : columns_) {
                column *= width / mostWidth;
            }
        }
    } else if (leastWidth <= width) {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            columns_[i] =
                least[i] + (width - leastWidth) * (most[i] - least[i]) / (mostWidth - leastWidth);
        }
    } else {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            columns_[i] = least[i] * width / leastWidth;
        }
    }
    return leastWidth;
}

double TableLayout::cellWidth(const Cell& cell) const {
    return sum(columns_, static_cast<std::size_t>(cell.column),
               static_cast<std::size_t>(cell.cell->columns)) -
           2 * pad_;
}

double TableLayout::cellHeight(const Cell& cell) const {
    QTextLayout layout(cell.cell->text, cellFont(*cell.cell), device_);
    layout.setTextOption(textOption(*cell.cell));
    return layOut(layout, cellWidth(cell)) + pad_;
}

QFont TableLayout::cellFont(const TableCell& cell) const {
    QFont font = font_;
    font.setBold(cell.alert || (cell.heading && table_.className != QStringLiteral("title")));
    return font;
}

void TableLayout::drawCell(QPainter& painter, const Cell& cell, double left, double top,
                           double height) const {
    QTextLayout layout(cell.cell->text, cellFont(*cell.cell), device_);
    layout.setTextOption(textOption(*cell.cell));
    const double textHeight = layOut(layout, cellWidth(cell));
    const bool inHead = &cell >= head_.data() && &cell < head_.data() + head_.size();
    const double x = left + sum(columns_, 0, static_cast<std::size_t>(cell.column)) + pad_;
    // Headings stand on the line below them, as in the browser.
    const double y = inHead ? top + height - pad_ / 2 - textHeight : top + pad_ / 2;
    painter.setPen(cell.cell->alert ? QColor(0xa6, 0x1b, 0x0f)
                   : cell.cell->heading && table_.className == QStringLiteral("title")
                       ? QColor(0x44, 0x44, 0x44)
                       : QColor(0x11, 0x11, 0x11));
    layout.draw(&painter, {x, y});
}

void TableLayout::drawHead(QPainter& painter, double left, double top) const {
    for (const Cell& cell : head_) {
        const auto row = static_cast<std::size_t>(cell.row);
        drawCell(painter, cell, left, top + sum(headRows_, 0, row),
                 sum(headRows_, row, static_cast<std::size_t>(cell.cell->rows)));
    }
    if (!head_.empty()) {
        painter.setPen(QPen(QColor(0x44, 0x44, 0x44), pad_ / 4));
        const double bottom = top + headHeight_;
        painter.drawLine(QPointF(left, bottom),
                         QPointF(left + sum(columns_, 0, columns_.size()), bottom));
    }
}

void TableLayout::drawRow(QPainter& painter, std::size_t row, double left, double top) const {
    for (const Cell& cell : body_.at(row)) {
        drawCell(painter, cell, left, top, rowHeights_[row]);
    }
    painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), pad_ / 6));
    const double bottom = top + rowHeights_[row];
    painter.drawLine(QPointF(left, bottom),
                     QPointF(left + sum(columns_, 0, columns_.size()), bottom));
}

}  // namespace tarvelle::planner
