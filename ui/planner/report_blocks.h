#pragma once

// The report's page, as the planning library writes it for a browser, taken
// apart into the blocks a printed page is made of: text (headings,
// paragraphs, list items), tables cell by cell, and the chart's SVG. The
// printer lays them out itself, so that nothing of the report is worded
// twice.

#include <QByteArray>
#include <QString>
#include <vector>

namespace tarvelle::planner {

struct TableCell {
    QString text;
    bool heading = false;    // a th: bold, except in the title block
    bool number = false;     // right-aligned
    bool alert = false;      // a failing verdict or a level out of its window
    bool breakable = false;  // an identifier too long to keep on one line
    int columns = 1;
    int rows = 1;
};

using TableRow = std::vector<TableCell>;

struct ReportBlock {
    enum class Kind { Text, Table, Chart };
    Kind kind = Kind::Text;
    QString tag;        // h1, h2, h3, p, li, table, svg, figcaption
    QString className;  // the element's class, e.g. "runs", "verdict"
    QString html;       // Text: the element's markup
    std::vector<TableRow> head;
    std::vector<TableRow> body;
    QByteArray svg;             // Chart
    bool keepWithNext = false;  // a heading, an introduction, a part of a block kept whole
};

// Throws std::runtime_error when the page is not the well-formed markup the
// planning library writes.
std::vector<ReportBlock> reportBlocks(const QString& page);

}  // namespace tarvelle::planner
