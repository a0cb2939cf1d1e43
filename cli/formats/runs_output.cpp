#include "cli/formats/runs_output.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/files/output_file.h"
#include "cli/formats/csv_field.h"
#include "cli/formats/display_width.h"
#include "cli/messages/safe_text.h"
#include "planning/hidden_characters.h"
#include "planning/printed_number.h"
#include "planning/reading/names.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

namespace {

using Json = nlohmann::ordered_json;
// Literals appended as string views: their length is known when compiled,
// where a C string's is counted on every append.
using namespace std::string_view_literals;

// `text` padded to `width` columns; `shown` is the columns it takes.
void pad(std::string& line, std::string_view text, std::size_t shown, std::size_t width) {
    line += text;
    line.append(shown < width ? width - shown : 0, ' ');
}

void padLeft(std::string& line, std::string_view text, std::size_t width) {
    pad(line, text, displayWidth(text), width);
}

// The program's own names, in ASCII: a column each.
void padAscii(std::string& line, std::string_view text, std::size_t width) {
    pad(line, text, text.size(), width);
}

// Which bytes each format writes as they stand: printable ASCII, without
// quotes and backslashes, and for an identifier shown plain everywhere
// without the separators of CSV files either.
constexpr std::array<bool, 256> asciiWithout(std::string_view excluded) {
    std::array<bool, 256> plain{};
    for (std::size_t c = 0x20; c < 0x7F; ++c) {
        plain[c] = excluded.find(static_cast<char>(c)) == std::string_view::npos;
    }
    return plain;
}
constexpr std::array<bool, 256> kJsonPlain = asciiWithout("\"\\");
constexpr std::array<bool, 256> kIdentifierPlain = asciiWithout("\"\\,;");

bool allOf(std::string_view text, const std::array<bool, 256>& plain) {
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return plain[static_cast<unsigned char>(c)]; });
}

std::string_view limitName(const RunVerdict& verdict) {
    return verdict.atMinimum ? "minimum" : "maximum";
}

// An identifier every format shows as it stands: printable ASCII that no
// format quotes, escapes or guards against a spreadsheet formula, as most are.
bool plainIdentifier(std::string_view id) {
    return !id.empty() && id.front() != ' ' && id.back() != ' ' &&
           std::string_view("=+-@").find(id.front()) == std::string_view::npos &&
           allOf(id, kIdentifierPlain);
}

void textRow(std::string& line, const CheckedRun& checked, const RunFix& fix, FixTexts& fixes) {
    const CableRun& run = *checked.run;
    if (plainIdentifier(run.id)) {
        padAscii(line, run.id, 16);
    } else {
        padLeft(line, escapeForTerminal(run.id), 16);
    }
    line += "  "sv;
    const auto number = [&](double value, std::size_t width) {
        std::string figure;  // short enough to need no memory of its own
        appendFixed(figure, value);
        line.append(figure.size() < width ? width - figure.size() : 0, ' ');
        line += figure;
    };
    number(checked.feet, 10);
    line += " ft  "sv;
    number(run.meters, 10);
    line += " m  "sv;
    padAscii(line, spelledCableName(run.cableSpelling), 5);
    line += "  "sv;
    padAscii(line, productName(run.product), 7);
    if (checked.verdict.pass) {
        line += "  PASS  "sv;
        appendFixed(line, checked.verdict.margin);
        line += " dB to spare\n"sv;
    } else {
        line += "  FAIL  "sv;
        line += checked.failingEdge;
        line += ": "sv;
        const std::size_t shortfall = line.size();
        appendShortfall(line, checked.verdict);
        const std::size_t figure = line.find(' ', shortfall) - shortfall;
        line += "; "sv;
        fixes.append(line, fix, FixTexts::ShownFigure{-checked.verdict.margin, shortfall, figure});
        line += '\n';
    }
}

// The margin a failing row shows from `at` on ("-3.44"), as the shortfall
// figure a fix may need again ("3.44").
std::optional<FixTexts::ShownFigure> shownShortfall(const std::string& line, std::size_t at,
                                                    double margin) {
    if (line.at(at) != '-') {
        return std::nullopt;
    }
    return FixTexts::ShownFigure{-margin, at + 1, line.size() - at - 1};
}

void csvRow(std::string& line, const OutputStyle& style, const CheckedRun& checked,
            const RunFix& fix, FixTexts& fixes) {
    const CableRun& run = *checked.run;
    if (plainIdentifier(run.id)) {
        line += run.id;
    } else {
        const std::string id = csvTextField(run.id);
        line += style.terminal ? escapeForTerminal(id) : id;
    }
    line += ',';
    appendFixed(line, checked.feet);
    line += ',';
    appendFixed(line, run.meters);
    if (checked.verdict.pass) {
        line += ",pass,,,"sv;
    } else {
        line += ",fail,"sv;
        line += checked.failingEdge;
        line += ',';
        line += limitName(checked.verdict);
        line += ',';
    }
    const std::size_t margin = line.size();
    appendFixed(line, checked.verdict.margin);
    const auto shortfall =
        checked.verdict.pass ? std::nullopt : shownShortfall(line, margin, checked.verdict.margin);
    line += ',';
    line += spelledCableName(run.cableSpelling);
    line += ',';
    line += productName(run.product);
    line += ',';
    if (!checked.verdict.pass) {
        // Always quoted: the words hold commas and semicolons.
        line += '"';
        fixes.append(line, fix, shortfall);
        line += '"';
    }
    line += '\n';
}

// Printable ASCII without quotes or backslashes: a JSON string as it stands.
bool plainAscii(std::string_view text) {
    return allOf(text, kJsonPlain);
}

// What a JSON string holds between its quotes.
std::string jsonInner(std::string_view text) {
    const std::string quoted = Json(text).dump();
    return quoted.substr(1, quoted.size() - 2);
}

// A fix's figures beside its words, for a script: the pad a run too short
// needs, or what stays the same for every run on one product and cable,
// printed once for each.
class FixFigures {
  public:
    void append(std::string& line, const RunFix& fix) {
        if (fix.kind == FixKind::TooShort) {
            line += ", \"pad_db\": "sv;
            // Whole decibels.
            line += fix.padDb ? std::to_string(std::lround(*fix.padDb)) : "null";
            return;
        }
        if (fix.kind == FixKind::None) {
            return;
        }
        const bool tooLong = fix.kind == FixKind::TooLong;
        std::string& known =
            known_.at((tooLong ? 0 : kCombinations) +
                      static_cast<std::size_t>(fix.combination.product) * kCableCategories.size() +
                      static_cast<std::size_t>(fix.combination.cable));
        if (known.empty()) {
            known = tooLong ? ", \"longest_m\": " : ", \"window_shortfall_db\": ";
            appendFixed(known, tooLong ? fix.longestMeters : fix.shortfallDb);
        }
        line += known;
    }

  private:
    static constexpr std::size_t kCombinations =
        kProductConfigurations.size() * kCableCategories.size();
    std::array<std::string, 2 * kCombinations> known_;
};

// One run as a JSON object on one line. The frame and the program's own
// figures are written directly; an identifier that needs escaping or UTF-8
// repair goes through the JSON library.
void jsonRow(std::string& line, const OutputStyle& style, const CheckedRun& checked,
             const RunFix& fix, FixTexts& fixes, FixFigures& figures) {
    const CableRun& run = *checked.run;
    line += "    {\"id\": "sv;
    if (plainAscii(run.id)) {
        line += '"';
        line += run.id;
        line += '"';
    } else {
        // Exact, with what hides from a reader escaped (\u202e) rather than raw.
        line += planning::replaceHidden(
            Json(run.id).dump(-1, ' ', style.terminal, Json::error_handler_t::replace),
            planning::shownForJson);
    }
    line += ", \"length_ft\": "sv;
    appendFixed(line, checked.feet);
    line += ", \"length_m\": "sv;
    appendFixed(line, run.meters);
    line += ", \"cable\": \""sv;
    line += spelledCableName(run.cableSpelling);
    line += "\", \"product\": \""sv;
    line += productName(run.product);
    if (checked.verdict.pass) {
        line += "\", \"result\": \"pass\", \"margin_db\": "sv;
        appendFixed(line, checked.verdict.margin);
    } else {
        line += "\", \"result\": \"fail\", \"failing_edge\": \""sv;
        line += checked.failingEdge;
        line += "\", \"limit\": \""sv;
        line += limitName(checked.verdict);
        line += "\", \"margin_db\": "sv;
        const std::size_t margin = line.size();
        appendFixed(line, checked.verdict.margin);
        const auto shortfall = shownShortfall(line, margin, checked.verdict.margin);
        line += ", \"fix\": \""sv;
        fixes.append(line, fix, shortfall);
        line += '"';
        figures.append(line, fix);
    }
    line += '}';
}

class TextRuns final : public RunsOutput {
  public:
    TextRuns(std::ostream& out, const OutputStyle&, const PlanScenario& scenario,
             const Wording& wording)
        : RunsOutput(out, scenario), fixes_(wording) {}

  private:
    void row(std::string& buffer, const CheckedRun& run, const RunFix& fix) override {
        textRow(buffer, run, fix, fixes_);
    }

    void end(std::ostream& out, const BatchTotals& totals) const override {
        out << totals.checked() << " runs checked: " << totals.passed << " pass, " << totals.failed
            << " fail";
        const auto count = [&](std::size_t n, std::string_view what) {
            if (n > 0) {
                out << "; " << n << ' ' << what << (n == 1 ? "" : "s");
            }
        };
        count(totals.malformed, "malformed row");
        if (totals.malformed > 0) {
            out << " skipped";
        }
        count(totals.faulted, "row");
        if (totals.faulted > 0) {
            out << " that cannot be computed, skipped";
        }
        count(totals.repeated, "repeated identifier");
        out << '\n';
    }

    FixTexts fixes_;
};

class CsvRuns final : public RunsOutput {
  public:
    CsvRuns(std::ostream& out, const OutputStyle& style, const PlanScenario& scenario,
            const Wording& wording)
        : RunsOutput(out, scenario), style_(style), fixes_(wording, doubledQuotes) {}

  private:
    void begin(std::string& buffer) const override {
        buffer += "id,length_ft,length_m,result,failing_edge,limit,margin_db,cable,product,fix\n";
    }
    void row(std::string& buffer, const CheckedRun& run, const RunFix& fix) override {
        csvRow(buffer, style_, run, fix, fixes_);
    }
    void end(std::ostream&, const BatchTotals&) const override {}

    OutputStyle style_;
    FixTexts fixes_;
};

class JsonRuns final : public RunsOutput {
  public:
    JsonRuns(std::ostream& out, const OutputStyle& style, const PlanScenario& scenario,
             const Wording& wording)
        : RunsOutput(out, scenario), style_(style), fixes_(wording, jsonInner) {}

  private:
    void begin(std::string& buffer) const override { buffer += "{\n  \"runs\": [\n"; }
    void between(std::string& buffer) const override { buffer += ",\n"sv; }
    void row(std::string& buffer, const CheckedRun& run, const RunFix& fix) override {
        jsonRow(buffer, style_, run, fix, fixes_, figures_);
    }
    void end(std::ostream& out, const BatchTotals& totals) const override {
        out << "\n  ],\n  \"passed\": " << totals.passed << ",\n  \"failed\": " << totals.failed
            << ",\n  \"malformed_rows\": " << totals.malformed
            << ",\n  \"faulted_rows\": " << totals.faulted
            << ",\n  \"repeated_ids\": " << totals.repeated << "\n}\n";
    }

    OutputStyle style_;
    FixTexts fixes_;
    FixFigures figures_;
};

using OutputMaker = std::unique_ptr<RunsOutput> (*)(std::ostream&, const OutputStyle&,
                                                    const PlanScenario&, const Wording&);

template <typename Output>
std::unique_ptr<RunsOutput> make(std::ostream& out, const OutputStyle& style,
                                 const PlanScenario& scenario, const Wording& wording) {
    return std::make_unique<Output>(out, style, scenario, wording);
}

// Each format's output, in the order of Format.
constexpr std::array<OutputMaker, 3> kOutputs{make<TextRuns>, make<CsvRuns>, make<JsonRuns>};

}  // namespace

std::unique_ptr<RunsOutput> runsOutput(std::ostream& out, const OutputStyle& style,
                                       const PlanScenario& scenario, const Wording& wording) {
    return kOutputs.at(static_cast<std::size_t>(style.format))(out, style, scenario, wording);
}

RunsOutput::~RunsOutput() {
    // What a batch stopped by a fault in its input had written so far.
    out_ << buffer_;
}

void RunsOutput::flush() {
    out_ << buffer_;
    buffer_.clear();
    if (!out_) {
        throw OutputFileError("standard output: cannot be written");
    }
}

void RunsOutput::take(const CheckedRun& run) {
    static const RunFix kPasses;
    if (run.verdict.pass) {
        write(run, kPasses);
        return;
    }
    // Worked before anything of the run is written: it may throw, and the run
    // is then skipped whole.
    write(run, fixer_.fixFor({run.run->meters, {run.run->product, run.run->cable}}, run.edges));
}

void RunsOutput::write(const CheckedRun& run, const RunFix& fix) {
    if (begun_) {
        between(buffer_);
    } else {
        begun_ = true;
        begin(buffer_);
    }
    row(buffer_, run, fix);
    if (buffer_.size() >= kBufferBytes) {
        flush();
    }
}

void RunsOutput::finish(const BatchTotals& totals) {
    flush();
    end(out_, totals);
}

}  // namespace tarvelle::cli
