#include "ui/planner/report_blocks.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <optional>
#include <stdexcept>

namespace tarvelle::planner {

namespace {

bool hasClass(const QXmlStreamAttributes& attributes, QStringView name) {
    return attributes.value(QStringLiteral("class")).split(u' ').contains(name);
}

int span(const QXmlStreamAttributes& attributes, const QString& name) {
    const int value = attributes.value(name).toInt();
    return value > 1 ? value : 1;
}

// The element the reader stands on, written again as markup (under another
// name when `as` is given); the reader is left on its end.
QString markup(QXmlStreamReader& reader, const QString& as = {}) {
    QString out;
    int depth = 0;
    do {
        const QString name = depth == 0 && !as.isEmpty() ? as : reader.qualifiedName().toString();
        if (reader.isStartElement()) {
            ++depth;
            out += u'<' + name;
            for (const QXmlStreamNamespaceDeclaration& space : reader.namespaceDeclarations()) {
                out += (space.prefix().isEmpty()
                            ? QStringLiteral(" xmlns")
                            : QStringLiteral(" xmlns:") + space.prefix().toString()) +
                       QStringLiteral("=\"") + space.namespaceUri().toString().toHtmlEscaped() +
                       u'"';
            }
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                out += u' ' + attribute.qualifiedName().toString() + QStringLiteral("=\"") +
                       attribute.value().toString().toHtmlEscaped() + u'"';
            }
            out += u'>';
        } else if (reader.isEndElement()) {
            --depth;
            out += QStringLiteral("</") +
                   (depth == 0 && !as.isEmpty() ? as : reader.qualifiedName().toString()) + u'>';
        } else if (reader.isCharacters()) {
            out += reader.text().toString().toHtmlEscaped();
        }
    } while (depth > 0 && reader.readNext() != QXmlStreamReader::Invalid);
    return out;
}

ReportBlock table(QXmlStreamReader& reader) {
    ReportBlock block;
    block.kind = ReportBlock::Kind::Table;
    block.tag = QStringLiteral("table");
    block.className = reader.attributes().value(QStringLiteral("class")).toString();
    bool inHead = false;
    for (int depth = 1; depth > 0 && reader.readNext() != QXmlStreamReader::Invalid;) {
        if (reader.isStartElement()) {
            const QStringView name = reader.name();
            if (name == QStringLiteral("th") || name == QStringLiteral("td")) {
                const QXmlStreamAttributes attributes = reader.attributes();
                std::vector<TableRow>& rows = inHead ? block.head : block.body;
                if (rows.empty()) {
                    rows.emplace_back();
                }
                rows.back().push_back(TableCell{
                    .text = {},
                    .heading = name == QStringLiteral("th"),
                    .number = hasClass(attributes, QStringLiteral("n")),
                    .alert = hasClass(attributes, QStringLiteral("fail")) ||
                             hasClass(attributes, QStringLiteral("out")),
                    .breakable = hasClass(attributes, QStringLiteral("long")),
                    .columns = span(attributes, QStringLiteral("colspan")),
                    .rows = span(attributes, QStringLiteral("rowspan")),
                });
                rows.back().back().text =
                    reader.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                continue;
            }
            ++depth;
            if (name == QStringLiteral("thead")) {
                inHead = true;
            } else if (name == QStringLiteral("tr")) {
                (inHead ? block.head : block.body).emplace_back();
            }
        } else if (reader.isEndElement()) {
            --depth;
            inHead = inHead && reader.name() != QStringLiteral("thead");
        }
    }
    return block;
}

ReportBlock text(QXmlStreamReader& reader) {
    ReportBlock block;
    block.tag = reader.name().toString();
    block.className = reader.attributes().value(QStringLiteral("class")).toString();
    if (block.tag == QStringLiteral("li")) {
        block.html = QStringLiteral("<ul>") + markup(reader) + QStringLiteral("</ul>");
    } else if (block.tag == QStringLiteral("figcaption")) {
        block.html = markup(reader, QStringLiteral("p"))
                         .replace(0, 2, QStringLiteral("<p class=\"caption\""));
    } else {
        block.html = markup(reader);
    }
    // A heading, and a paragraph that introduces what follows, never end a page.
    block.keepWithNext = block.tag.startsWith(u'h') || block.html.endsWith(QStringLiteral(":</p>"));
    return block;
}

}  // namespace

std::vector<ReportBlock> reportBlocks(const QString& page) {
    static const QStringList kSkipped{QStringLiteral("head")};
    static const QStringList kText{QStringLiteral("h1"), QStringLiteral("h2"),
                                   QStringLiteral("h3"), QStringLiteral("p"),
                                   QStringLiteral("li"), QStringLiteral("figcaption")};
    std::vector<ReportBlock> blocks;
    // Where each open div began, when it holds what is kept on one page.
    std::vector<std::optional<std::size_t>> divs;
    QXmlStreamReader reader(page);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        const QString name = reader.name().toString();
        if (reader.isStartElement()) {
            if (kSkipped.contains(name)) {
                reader.skipCurrentElement();
            } else if (kText.contains(name)) {
                blocks.push_back(text(reader));
            } else if (name == QStringLiteral("table")) {
                blocks.push_back(table(reader));
            } else if (name == QStringLiteral("svg")) {
                ReportBlock chart;
                chart.kind = ReportBlock::Kind::Chart;
                chart.tag = name;
                chart.svg = markup(reader).toUtf8();
                blocks.push_back(std::move(chart));
            } else if (name == QStringLiteral("div")) {
                divs.push_back(hasClass(reader.attributes(), QStringLiteral("keep"))
                                   ? std::optional<std::size_t>(blocks.size())
                                   : std::nullopt);
            }
        } else if (reader.isEndElement() && name == QStringLiteral("div") && !divs.empty()) {
            if (const auto start = divs.back(); start && blocks.size() > *start + 1) {
                for (std::size_t i = *start; i + 1 < blocks.size(); ++i) {
                    blocks[i].keepWithNext = true;
                }
            }
            divs.pop_back();
        }
    }
    if (reader.hasError()) {
        throw std::runtime_error("the report cannot be laid out: " +
                                 reader.errorString().toStdString());
    }
    return blocks;
}

}  // namespace tarvelle::planner
