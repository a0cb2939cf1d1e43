#include "ui/planner/report_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <memory>
#include <stdexcept>
#include <variant>

#include "ui/planner/report_blocks.h"
#include "ui/planner/report_pages.h"
#include "ui/planner/report_table.h"

namespace tarvelle::planner {

namespace {

const QString kFamily = QStringLiteral("Liberation Sans");
constexpr double kTextPoints = 9.5;
constexpr double kRunsPoints = 8.5;
constexpr double kTitlePoints = 8;

// The browser's look, in what a text document understands; the space
// between blocks is the printer's.
const QString kStyle = QStringLiteral(
    "h1, h2, h3, p, ul, li { margin: 0; }"
    "h1 { font-size: 18pt; } h2 { font-size: 13pt; } h3 { font-size: 10.5pt; }"
    "p.verdict { font-size: 13pt; font-weight: bold; }"
    "p.warning, p.no-length { background-color: #fbeeec; }"
    "p.caption { font-size: 9pt; color: #333333; }"
    "code { font-family: 'Liberation Mono'; }");

// Points of space above each kind of block.
double spaceBefore(const ReportBlock& block) {
    if (block.tag == QStringLiteral("h2")) {
        return 14;
    }
    if (block.tag == QStringLiteral("h3")) {
        return 8;
    }
    return block.tag == QStringLiteral("li") ? 2 : 5;
}

QFont font(double points) {
    QFont font(kFamily);
    font.setPointSizeF(points);
    return font;
}

struct TablePart {
    const TableLayout* table;
    std::optional<std::size_t> row;  // the heading rows when none
};

struct Chart {
    QSvgRenderer* renderer;
    QSizeF size;
};

using Content = std::variant<QTextDocument*, TablePart, Chart>;

// The report's blocks measured for the page, each a piece to paginate.
class Pieces {
  public:
    Pieces(const std::vector<ReportBlock>& blocks, QPaintDevice& device, QSizeF area);

    std::vector<PagePiece> pieces;
    std::vector<Content> contents;
    std::vector<bool> ruled;  // a section's heading, underlined

  private:
    void add(PagePiece piece, Content content, bool rule = false) {
        pieces.push_back(piece);
        contents.push_back(content);
        ruled.push_back(rule);
    }
    void addText(const ReportBlock& block, QPaintDevice& device, double width, double points);
    void addTable(const ReportBlock& block, QPaintDevice& device, double width, double points);

    std::vector<std::unique_ptr<QTextDocument>> documents_;
    std::vector<std::unique_ptr<TableLayout>> tables_;
    std::vector<std::unique_ptr<QSvgRenderer>> charts_;
};

Pieces::Pieces(const std::vector<ReportBlock>& blocks, QPaintDevice& device, QSizeF area) {
    const double point = device.logicalDpiY() / 72.0;
    std::vector<std::size_t> chartPieces;
    for (const ReportBlock& block : blocks) {
        if (block.kind == ReportBlock::Kind::Text) {
            addText(block, device, area.width(), point);
        } else if (block.kind == ReportBlock::Kind::Table) {
            addTable(block, device, area.width(), point);
        } else {
            auto renderer = std::make_unique<QSvgRenderer>(block.svg);
            if (!renderer->isValid()) {
                continue;
            }
            chartPieces.push_back(pieces.size());
            add({.spaceBefore = 6 * point, .keepWithNext = true, .heading = std::nullopt},
                Chart{renderer.get(), {}});
            charts_.push_back(std::move(renderer));
        }
    }
    // The chart as wide as the page, or smaller so that its heading and
    // caption share its page.
    for (const std::size_t i : chartPieces) {
        Chart& chart = std::get<Chart>(contents[i]);
        const QSizeF drawn = chart.renderer->viewBoxF().size();
        double room = area.height();
        if (i > 0 && pieces[i - 1].keepWithNext) {
            room -= pieces[i - 1].height + pieces[i].spaceBefore;
        }
        if (i + 1 < pieces.size()) {
            room -= pieces[i + 1].spaceBefore + pieces[i + 1].height;
        }
        chart.size = drawn.scaled(QSizeF(area.width(), std::max(room, area.height() / 2)),
                                  Qt::KeepAspectRatio);
        pieces[i].height = chart.size.height();
    }
}

void Pieces::addText(const ReportBlock& block, QPaintDevice& device, double width, double point) {
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    document->setDefaultFont(font(kTextPoints));
    document->setDefaultStyleSheet(kStyle);
    document->setDocumentMargin(0);
    document->setHtml(block.html);
    document->setTextWidth(width);
    add({.height = document->size().height(),
         .spaceBefore = spaceBefore(block) * point,
         .keepWithNext = block.keepWithNext,
         .heading = std::nullopt},
        document.get(), block.tag == QStringLiteral("h2"));
    documents_.push_back(std::move(document));
}

// A short table, or one kept whole, goes on one page; a long one breaks
// between rows, its heading rows repeated, its last three rows together.
void Pieces::addTable(const ReportBlock& block, QPaintDevice& device, double width, double point) {
    constexpr std::size_t kShortTable = 8;
    constexpr std::size_t kClosingRows = 3;
    const bool runs = block.className.split(u' ').contains(QStringLiteral("runs"));
    auto table = std::make_unique<TableLayout>(block, font(runs ? kRunsPoints : kTextPoints),
                                               &device, width);
    const bool whole = block.keepWithNext ||
                       block.className.split(u' ').contains(QStringLiteral("keep")) ||
                       table->rows() <= kShortTable;
    std::optional<std::size_t> heading;
    double space = 5 * point;
    if (table->headHeight() > 0) {
        heading = pieces.size();
        add({.height = table->headHeight(),
             .spaceBefore = space,
             .keepWithNext = whole || table->rows() > 0 || block.keepWithNext,
             .heading = std::nullopt},
            TablePart{table.get(), std::nullopt});
        space = 0;
    }
    for (std::size_t row = 0; row < table->rows(); ++row) {
        const bool last = row + 1 == table->rows();
        // Never a row or two alone on the page after the rest.
        const bool closing = row + kClosingRows >= table->rows();
        add({.height = table->rowHeight(row),
             .spaceBefore = space,
             .keepWithNext = last ? block.keepWithNext : whole || closing,
             .heading = heading},
            TablePart{table.get(), row});
        space = 0;
    }
    tables_.push_back(std::move(table));
}

void drawPiece(QPainter& painter, const Content& content, bool ruled, double width) {
    if (const auto* document = std::get_if<QTextDocument*>(&content)) {
        (*document)->drawContents(&painter);
        if (ruled) {
            const double bottom = (*document)->size().height();
            painter.setPen(QPen(QColor(0x88, 0x88, 0x88), painter.device()->logicalDpiY() / 96.0));
            painter.drawLine(QPointF(0, bottom), QPointF(width, bottom));
        }
    } else if (const auto* part = std::get_if<TablePart>(&content)) {
        if (part->row) {
            part->table->drawRow(painter, *part->row, 0, 0);
        } else {
            part->table->drawHead(painter, 0, 0);
        }
    } else {
        const Chart& chart = std::get<Chart>(content);
        chart.renderer->render(&painter, QRectF(QPointF(0, 0), chart.size));
    }
}

}  // namespace

void printReport(QPagedPaintDevice& device, const QString& page,
                 const planning::PageTitles& titles) {
    const std::vector<ReportBlock> blocks = reportBlocks(page);
    QPainter painter;
    if (!painter.begin(&device)) {
        throw std::runtime_error("nothing can be printed on it");
    }
    const QFont titleFont = font(kTitlePoints);
    const QFontMetricsF titleMetrics(titleFont, &device);
    const double band = 2.2 * titleMetrics.height();
    const QRectF paper(0, 0, device.width(), device.height());
    const QRectF area = paper.adjusted(0, band, 0, -band);
    if (area.height() < paper.height() / 2) {
        painter.end();
        throw std::runtime_error("its pages are too small");
    }
    const Pieces pieces(blocks, device, area.size());
    const std::vector<PrintedPage> pages = paginate(pieces.pieces, area.height());
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    for (std::size_t number = 1; number <= pages.size(); ++number) {
        if (number > 1) {
            device.newPage();
        }
        painter.setFont(titleFont);
        painter.setPen(QColor(0x44, 0x44, 0x44));
        const QRectF top(paper.left(), paper.top(), paper.width(), titleMetrics.height());
        const QRectF foot(paper.left(), paper.bottom() - titleMetrics.height(), paper.width(),
                          titleMetrics.height());
        painter.drawText(top, Qt::AlignLeft, text(titles.topLeft));
        painter.drawText(top, Qt::AlignRight, text(titles.topRight));
        painter.drawText(foot, Qt::AlignLeft, text(titles.bottomLeft));
        painter.drawText(foot, Qt::AlignRight,
                         QStringLiteral("page %1 of %2").arg(number).arg(pages.size()));
        for (const PlacedPiece& placed : pages[number - 1]) {
            painter.save();
            painter.setClipRect(area);
            painter.translate(area.left(), area.top() + placed.top - placed.cutAt);
            drawPiece(painter, pieces.contents[placed.piece], pieces.ruled[placed.piece],
                      area.width());
            painter.restore();
        }
    }
    painter.end();
}

}  // namespace tarvelle::planner
