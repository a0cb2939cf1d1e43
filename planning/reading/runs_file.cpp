#include "planning/reading/runs_file.h"

#include "planning/ascii_text.h"

#include <algorithm>
#include <array>

#include "planning/reading/field_separator.h"
#include "planning/reading/names.h"
#include "planning/reading/quoted_text.h"

namespace tarvelle::planning {

namespace {

enum class Role { Identifier, Length, LengthMetres, LengthFeet, Cable, Product };

struct ColumnName {
    std::string_view name;
    Role role;
};

constexpr std::array<ColumnName, 8> kColumnNames{{
    {"id", Role::Identifier},
    {"room", Role::Identifier},
    {"outlet", Role::Identifier},
    {"length", Role::Length},
    {"length_m", Role::LengthMetres},
    {"length_ft", Role::LengthFeet},
    {"cable", Role::Cable},
    {"product", Role::Product},
}};

std::optional<Role> roleOf(std::string_view header) {
    const std::string lowered = planning::asciiLowered(header);
    for (const ColumnName& column : kColumnNames) {
        if (column.name == lowered) {
            return column.role;
        }
    }
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    return quotedShort(text);
}

bool allEmpty(const CsvRecord& record) {
    for (std::size_t i = 0; i < record.fieldCount(); ++i) {
        if (!record.field(i).empty()) {
            return false;
        }
    }
    return true;
}

}  // namespace

RunsReader::RunsReader(InputSource& source, RunDefaults defaults)
    : csv_(source), defaults_(defaults) {}

bool RunsReader::next(RunsRow& row) {
    if (!csv_.next(record_)) {
        return false;
    }
    if (!csv_.ambiguity().empty()) {
        throw RunsFileError("line " + std::to_string(csv_.ambiguousLine()) + ": " +
                            csv_.ambiguity() +
                            "; quote the fields that hold the other, or export with one separator");
    }
    row.firstLine = record_.firstLine;
    row.lastLine = record_.lastLine;
    if (record_.problem != CsvProblem::None) {
        row.kind = RunsRow::Kind::Problem;
        row.problem = describe(record_.problem);
        return true;
    }
    if (allEmpty(record_)) {
        row.kind = RunsRow::Kind::Blank;
        return true;
    }
    if (!headerDecided_) {
        headerDecided_ = true;
        if (takeHeader()) {
            row.kind = RunsRow::Kind::Header;
            return true;
        }
    }
    readRun(row);
    if (row.kind == RunsRow::Kind::Run && !unnamedColumns_.empty()) {
        noteUnnamedFilled();
    }
    return true;
}

// The first row is a header when its length field is not a length and it
// names at least one known column; a row that is neither is a first run with
// a fault, reported like any other.
bool RunsReader::takeHeader() {
    if (record_.fieldCount() >= 2 &&
        parseLength(record_.field(1), std::nullopt, decimalCommaAllowed(csv_.separator()))) {
        return false;
    }
    std::array<std::optional<std::size_t>, 6> found;
    bool anyKnown = false;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < record_.fieldCount(); ++i) {
        const auto role = roleOf(record_.field(i));
        if (!role) {
            others.push_back(i);
            continue;
        }
        anyKnown = true;
        // length, length_m and length_ft are one column under three names.
        const Role slot =
            *role == Role::LengthMetres || *role == Role::LengthFeet ? Role::Length : *role;
        auto& column = found[static_cast<std::size_t>(slot)];
        if (column) {
            throw RunsFileError("line " + std::to_string(record_.firstLine) + ": the header has " +
                                quoted(record_.field(*column)) + " and " +
                                quoted(record_.field(i)) + ", two columns for one thing");
        }
        column = i;
        if (*role == Role::LengthMetres) {
            columns_.unit = LengthUnit::Metres;
        } else if (*role == Role::LengthFeet) {
            columns_.unit = LengthUnit::Feet;
        }
    }
    if (!anyKnown) {
        return false;
    }
    const auto& identifier = found[static_cast<std::size_t>(Role::Identifier)];
    const auto& length = found[static_cast<std::size_t>(Role::Length)];
    if (!identifier || !length) {
        throw RunsFileError("line " + std::to_string(record_.firstLine) + ": the header names no " +
                            (identifier ? "length column (length, length_m or length_ft)"
                                        : "identifier column (id, room or outlet)"));
    }
    columns_.id = *identifier;
    columns_.length = *length;
    columns_.cable = found[static_cast<std::size_t>(Role::Cable)];
    columns_.product = found[static_cast<std::size_t>(Role::Product)];
    columns_.fields = record_.fieldCount();
    columns_.named = true;
    for (const std::size_t column : others) {
        if (record_.field(column).empty()) {
            unnamedColumns_.push_back(column);
        } else {
            otherColumns_.push_back(quoted(record_.field(column)));
        }
    }
    return true;
}

// A column without a name holds nothing until a run has something in it,
// as a spreadsheet's export with a separator at the end of each line has.
void RunsReader::noteUnnamedFilled() {
    std::erase_if(unnamedColumns_, [this](std::size_t column) {
        if (column >= record_.fieldCount() || record_.field(column).empty()) {
            return false;
        }
        otherColumns_.push_back("unnamed column " + std::to_string(column + 1));
        return true;
    });
}

void RunsReader::readRun(RunsRow& row) const {
    row.kind = RunsRow::Kind::Problem;
    const std::size_t count = record_.fieldCount();
    if (count > columns_.fields || count <= std::max(columns_.id, columns_.length)) {
        row.problem = columns_.named
                          ? "has " + std::to_string(count) + (count == 1 ? " field" : " fields") +
                                ", the header " + std::to_string(columns_.fields)
                          : "expected identifier,length[,cable[,product]]";
        return;
    }
    const std::string_view id = record_.field(columns_.id);
    if (id.empty()) {
        row.problem = "the identifier is empty";
        return;
    }
    const std::string_view lengthText = record_.field(columns_.length);
    const bool decimalComma = decimalCommaAllowed(csv_.separator());
    const bool typed = defaults_.bareMetres && !columns_.unit;
    const auto meters = typed ? parseTypedLength(lengthText, decimalComma)
                              : parseLength(lengthText, columns_.unit, decimalComma);
    if (!meters) {
        if (beyondLongestRun(lengthText, columns_.unit, decimalComma) ||
            (typed && beyondLongestRun(lengthText, LengthUnit::Metres, decimalComma))) {
            row.problem = quoted(lengthText) + " is beyond 10 km: no cable run is that long";
            return;
        }
        row.problem =
            quoted(lengthText) + " is not a length " +
            (typed            ? "(a number with m or ft, or in metres without)"
             : !columns_.unit ? "(a number with m or ft)"
             : *columns_.unit == LengthUnit::Metres ? "in metres (a number, with m or without)"
                                                    : "in feet (a number, with ft or without)");
        return;
    }
    const auto cell = [&](std::optional<std::size_t> column) {
        return column && *column < count ? record_.field(*column) : std::string_view();
    };
    std::int16_t cable = defaults_.cable;
    CableSpelling spelling = defaults_.cableSpelling;
    if (const std::string_view name = cell(columns_.cable); !name.empty()) {
        const auto found = cableByName(name);
        if (!found) {
            row.problem =
                quoted(name) + " is not a cable category (" + std::string(kCableNamesHelp) + ")";
            return;
        }
        cable = *found;
        spelling = *cableSpellingByName(name);
    }
    std::int16_t product = defaults_.product;
    if (const std::string_view name = cell(columns_.product); !name.empty()) {
        const auto found = productByName(name);
        if (!found) {
            row.problem = quoted(name) + " is not a product configuration (" +
                          std::string(kProductNamesHelp) + ")";
            return;
        }
        product = *found;
    }
    row.kind = RunsRow::Kind::Run;
    // Resized then copied: identifiers of one length, as most files have,
    // cost no more than the copy, where assign's general path counted.
    row.run.id.resize(id.size());
    std::copy(id.begin(), id.end(), row.run.id.begin());
    row.run.meters = *meters;
    row.run.cable = cable;
    row.run.cableSpelling = spelling;
    row.run.product = product;
}

std::string lineRange(std::size_t firstLine, std::size_t lastLine) {
    return firstLine == lastLine
               ? "line " + std::to_string(firstLine)
               : "lines " + std::to_string(firstLine) + "-" + std::to_string(lastLine);
}

}  // namespace tarvelle::planning
