#include "cli/formats/runs_output.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/files/output_file.h"
#include "cli/formats/csv_field.h"
#include "cli/messages/safe_text.h"
#include "planning/hidden_characters.h"
#include "planning/printed_number.h"
#include "planning/reading/names.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

namespace {

using Json = nlohmann::ordered_json;

// Columns a terminal shows a UTF-8 text in, near enough for padding.
std::size_t shownWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        width += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    }
    return width;
}

void padLeft(std::string& line, std::string_view text, std::size_t width) {
    line += text;
    const std::size_t shown = shownWidth(text);
    line.append(shown < width ? width - shown : 0, ' ');
}

void padRight(std::string& line, std::string_view text, std::size_t width) {
    line.append(text.size() < width ? width - text.size() : 0, ' ');
    line += text;
}

std::string_view limitName(const RunVerdict& verdict) {
    return verdict.atMinimum ? "minimum" : "maximum";
}

void textRow(std::string& line, const CheckedRun& checked) {
    const CableRun& run = *checked.run;
    padLeft(line, escapeForTerminal(run.id), 16);
    line += "  ";
    padRight(line, fixed(checked.feet), 10);
    line += " ft  ";
    padRight(line, fixed(run.meters), 10);
    line += " m  ";
    padLeft(line, cableName(run.cable), 5);
    line += "  ";
    padLeft(line, productName(run.product), 7);
    if (checked.verdict.pass) {
        line += "  PASS\n";
    } else {
        line += "  FAIL  " + checked.failingEdge + ": " + shortfallText(checked.verdict) + '\n';
    }
}

void csvRow(std::string& line, const OutputStyle& style, const CheckedRun& checked) {
    const CableRun& run = *checked.run;
    const std::string id = csvTextField(run.id);
    line += style.terminal ? escapeForTerminal(id) : id;
    line += ',' + fixed(checked.feet) + ',' + fixed(run.meters);
    if (checked.verdict.pass) {
        line += ",pass,,,";
    } else {
        line += ",fail," + checked.failingEdge + ',';
        line += limitName(checked.verdict);
        line += ',' + fixed(checked.verdict.margin);
    }
    line += ',';
    line += cableName(run.cable);
    line += ',';
    line += productName(run.product);
    line += '\n';
}

// Printable ASCII without quotes or backslashes: a JSON string as it stands.
bool plainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; });
}

// One run as a JSON object on one line. The frame and the program's own
// figures are written directly, which keeps a million rows within a second;
// an identifier that needs escaping or UTF-8 repair goes through the JSON
// library.
void jsonRow(std::string& line, const OutputStyle& style, const CheckedRun& checked) {
    const CableRun& run = *checked.run;
    line += "    {\"id\": ";
    if (plainAscii(run.id)) {
        line += '"' + run.id + '"';
    } else {
        // Exact, with what hides from a reader escaped (\u202e) rather than raw.
        line += planning::replaceHidden(
            Json(run.id).dump(-1, ' ', style.terminal, Json::error_handler_t::replace),
            planning::shownForJson);
    }
    line += ", \"length_ft\": " + fixed(checked.feet) + ", \"length_m\": " + fixed(run.meters);
    line += ", \"cable\": \"";
    line += cableName(run.cable);
    line += "\", \"product\": \"";
    line += productName(run.product);
    if (checked.verdict.pass) {
        line += "\", \"result\": \"pass\"}";
    } else {
        line += "\", \"result\": \"fail\", \"failing_edge\": \"" + checked.failingEdge +
                "\", \"limit\": \"";
        line += limitName(checked.verdict);
        line += "\", \"margin_db\": " + fixed(checked.verdict.margin) + '}';
    }
}

}  // namespace

void RunsOutput::begin() {
    if (begun_) {
        if (style_.format == Format::Json) {
            out_ << ",\n";
        }
        return;
    }
    begun_ = true;
    if (style_.format == Format::Csv) {
        out_ << "id,length_ft,length_m,result,failing_edge,limit,margin_db,cable,product\n";
    } else if (style_.format == Format::Json) {
        out_ << "{\n  \"runs\": [\n";
    }
}

void RunsOutput::write(const CheckedRun& run) {
    begin();
    line_.clear();
    switch (style_.format) {
        case Format::Text:
            textRow(line_, run);
            break;
        case Format::Csv:
            csvRow(line_, style_, run);
            break;
        case Format::Json:
            jsonRow(line_, style_, run);
            break;
    }
    out_ << line_;
    if (!out_) {
        throw OutputFileError("standard output: cannot be written");
    }
}

void RunsOutput::finish(const BatchTotals& totals) {
    if (style_.format == Format::Json) {
        out_ << "\n  ],\n  \"passed\": " << totals.passed << ",\n  \"failed\": " << totals.failed
             << ",\n  \"malformed_rows\": " << totals.malformed
             << ",\n  \"faulted_rows\": " << totals.faulted
             << ",\n  \"repeated_ids\": " << totals.repeated << "\n}\n";
        return;
    }
    if (style_.format == Format::Csv) {
        return;
    }
    out_ << totals.checked() << " runs checked: " << totals.passed << " pass, " << totals.failed
         << " fail";
    const auto count = [&](std::size_t n, std::string_view what) {
        if (n > 0) {
            out_ << "; " << n << ' ' << what << (n == 1 ? "" : "s");
        }
    };
    count(totals.malformed, "malformed row");
    if (totals.malformed > 0) {
        out_ << " skipped";
    }
    count(totals.faulted, "row");
    if (totals.faulted > 0) {
        out_ << " that cannot be computed, skipped";
    }
    count(totals.repeated, "repeated identifier");
    out_ << '\n';
}

}  // namespace tarvelle::cli
