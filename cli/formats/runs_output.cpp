#include "cli/formats/runs_output.h"

#include <algorithm>
#include <array>
#include <charconv>
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
#include "planning/wording.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

namespace {

using Json = nlohmann::ordered_json;
// Literals appended as string views: their length is known when compiled,
// where a C string's is counted on every append.
using namespace std::string_view_literals;

// `text` padded to `width` columns; `shown` is the columns it takes.
void pad(RowBuffer& line, std::string_view text, std::size_t shown, std::size_t width) {
    line.put(text);
    line.spaces(shown < width ? width - shown : 0);
}

void padLeft(RowBuffer& line, std::string_view text, std::size_t width) {
    pad(line, text, displayWidth(text), width);
}

// The program's own names, in ASCII: a column each.
void padAscii(RowBuffer& line, std::string_view text, std::size_t width) {
    pad(line, text, text.size(), width);
}

// A figure right-aligned in `width` columns.
void padFixed(RowBuffer& line, double value, std::size_t width) {
    std::array<char, kFixedRoom> figure;
    const std::size_t size =
        static_cast<std::size_t>(writeFixed(figure.data(), value) - figure.data());
    line.spaces(size < width ? width - size : 0);
    line.put({figure.data(), size});
}

// A figure the row already shows: a failing run's shortfall ("3.44"),
// which is mostly the attenuation a run too short needs.
struct ShownFigure {
    double value;
    std::size_t at;
    std::size_t size;
};

// A failing run's fix: the words, and for a run too short the attenuation
// it needs between them, copied from the row where the row shows it already.
void putFix(RowBuffer& line, FixTexts& fixes, const RunFix& fix, std::optional<ShownFigure> shown) {
    const FixWords& words = fixes.words(fix);
    line.put(words.before);
    if (fix.kind == FixKind::TooShort) {
        if (shown && shown->value == fix.attenuationDb) {
            line.repeat(shown->at, shown->size);
        } else {
            line.fixed(fix.attenuationDb);
        }
    }
    line.put(words.after);
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

// The text of a row between two of its figures that only the run's cable as
// written, its product and its verdict (a pass, or the failing edge and
// limit) decide: put together once for each, then copied whole.
class Phrases {
  public:
    using Make = void (*)(std::string& text, const CheckedRun& checked);
    explicit Phrases(Make make) : make_(make) {}

    std::string_view of(const CheckedRun& checked) {
        const CableRun& run = *checked.run;
        const std::size_t outcome = checked.verdict.pass ? 0
                                                         : 1 + 2 * checked.verdict.edge +
                                                               (checked.verdict.atMinimum ? 1 : 0);
        if (run.cableSpelling >= kCableSpellings || run.product < 0 ||
            static_cast<std::size_t>(run.product) >= kProducts || outcome >= kOutcomes) {
            // No run read from a file; made each time rather than kept.
            scratch_.clear();
            make_(scratch_, checked);
            return scratch_;
        }
        std::string& text =
            texts_[(run.cableSpelling * kProducts + static_cast<std::size_t>(run.product)) *
                       kOutcomes +
                   outcome];
        if (text.empty()) {
            make_(text, checked);
        }
        return text;
    }

  private:
    static constexpr std::size_t kProducts = kProductConfigurations.size();
    // A pass, or one of the four edges below its minimum or above its maximum.
    static constexpr std::size_t kOutcomes = 9;

    Make make_;
    std::array<std::string, kCableSpellings * kProducts * kOutcomes> texts_;
    std::string scratch_;
};

// An identifier every format shows as it stands: printable ASCII that no
// format quotes, escapes or guards against a spreadsheet formula, as most are.
bool plainIdentifier(std::string_view id) {
    return !id.empty() && id.front() != ' ' && id.back() != ' ' &&
           std::string_view("=+-@").find(id.front()) == std::string_view::npos &&
           allOf(id, kIdentifierPlain);
}

// "  cat6   8-port   FAIL  analog high edge (550 MHz): "
void textMiddle(std::string& text, const CheckedRun& checked) {
    const auto column = [&](std::string_view name, std::size_t width) {
        text += name;
        text.append(name.size() < width ? width - name.size() : 0, ' ');
    };
    text += "  "sv;
    column(spelledCableName(checked.run->cableSpelling), 5);
    text += "  "sv;
    column(productName(checked.run->product), 7);
    if (checked.verdict.pass) {
        text += "  PASS  "sv;
    } else {
        text += "  FAIL  "sv;
        text += checked.failingEdge;
        text += ": "sv;
    }
}

void textRow(RowBuffer& line, Phrases& middles, const CheckedRun& checked, const RunFix& fix,
             FixTexts& fixes) {
    const CableRun& run = *checked.run;
    if (plainIdentifier(run.id)) {
        padAscii(line, run.id, 16);
    } else {
        padLeft(line, escapeForTerminal(run.id), 16);
    }
    line.put("  "sv);
    padFixed(line, checked.feet, 10);
    line.put(" ft  "sv);
    padFixed(line, run.meters, 10);
    line.put(" m"sv);
    line.put(middles.of(checked));
    if (checked.verdict.pass) {
        line.fixed(checked.verdict.margin);
        line.put(" dB to spare\n"sv);
    } else {
        const std::size_t shortfall = line.size();
        line.fixed(-checked.verdict.margin);
        const std::size_t figure = line.size() - shortfall;
        line.put(shortfallWords(checked.verdict));
        line.put("; "sv);
        putFix(line, fixes, fix, ShownFigure{-checked.verdict.margin, shortfall, figure});
        line.put('\n');
    }
}

// The margin a failing row shows from `at` on ("-3.44"), as the shortfall
// figure a fix may need again ("3.44").
std::optional<ShownFigure> shownShortfall(const RowBuffer& line, std::size_t at, double margin) {
    if (line.from(at).front() != '-') {
        return std::nullopt;
    }
    return ShownFigure{-margin, at + 1, line.size() - at - 1};
}

// ",fail,analog high edge (550 MHz),maximum," or ",pass,,,"
void csvVerdict(std::string& text, const CheckedRun& checked) {
    if (checked.verdict.pass) {
        text += ",pass,,,"sv;
        return;
    }
    text += ",fail,"sv;
    text += checked.failingEdge;
    text += ',';
    text += limitName(checked.verdict);
    text += ',';
}

// ",cat6,8-port,"
void csvNames(std::string& text, const CheckedRun& checked) {
    text += ',';
    text += spelledCableName(checked.run->cableSpelling);
    text += ',';
    text += productName(checked.run->product);
    text += ',';
}

void csvRow(RowBuffer& line, Phrases& verdicts, Phrases& names, const OutputStyle& style,
            const CheckedRun& checked, const RunFix& fix, FixTexts& fixes) {
    const CableRun& run = *checked.run;
    if (plainIdentifier(run.id)) {
        line.put(run.id);
    } else {
        const std::string id = csvTextField(run.id);
        line.put(style.terminal ? escapeForTerminal(id) : id);
    }
    line.put(',');
    line.fixed(checked.feet);
    line.put(',');
    line.fixed(run.meters);
    line.put(verdicts.of(checked));
    const std::size_t margin = line.size();
    line.fixed(checked.verdict.margin);
    const auto shortfall =
        checked.verdict.pass ? std::nullopt : shownShortfall(line, margin, checked.verdict.margin);
    line.put(names.of(checked));
    if (!checked.verdict.pass) {
        // Always quoted: the words hold commas and semicolons.
        line.put('"');
        putFix(line, fixes, fix, shortfall);
        line.put('"');
    }
    line.put('\n');
}

// Printable ASCII without quotes or backslashes: a JSON string as it stands.
bool plainAscii(std::string_view text) {
    return allOf(text, kJsonPlain);
}

// A pad's whole decibels: "6".
void putWholeNumber(RowBuffer& line, long number) {
    std::array<char, 24> digits;
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    line.put({digits.data(), static_cast<std::size_t>(end - digits.data())});
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
    void append(RowBuffer& line, const RunFix& fix) {
        if (fix.kind == FixKind::TooShort) {
            line.put(", \"pad_db\": "sv);
            if (fix.padDb) {
                putWholeNumber(line, std::lround(*fix.padDb));
            } else {
                line.put("null"sv);
            }
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
        line.put(known);
    }

  private:
    static constexpr std::size_t kCombinations =
        kProductConfigurations.size() * kCableCategories.size();
    std::array<std::string, 2 * kCombinations> known_;
};

// One run as a JSON object on one line. The frame and the program's own
// figures are written directly; an identifier that needs escaping or UTF-8
// repair goes through the JSON library.
// ", \"cable\": \"cat6\", \"product\": \"8-port\", \"result\": \"pass\",
// \"margin_db\": ", with the failing edge and limit for a run that fails.
void jsonMiddle(std::string& text, const CheckedRun& checked) {
    text += ", \"cable\": \""sv;
    text += spelledCableName(checked.run->cableSpelling);
    text += "\", \"product\": \""sv;
    text += productName(checked.run->product);
    if (checked.verdict.pass) {
        text += "\", \"result\": \"pass\", \"margin_db\": "sv;
    } else {
        text += "\", \"result\": \"fail\", \"failing_edge\": \""sv;
        text += checked.failingEdge;
        text += "\", \"limit\": \""sv;
        text += limitName(checked.verdict);
        text += "\", \"margin_db\": "sv;
    }
}

// One run as a JSON object on one line. The frame and the program's own
// figures are written directly; an identifier that needs escaping or UTF-8
// repair goes through the JSON library.
void jsonRow(RowBuffer& line, Phrases& middles, const OutputStyle& style, const CheckedRun& checked,
             const RunFix& fix, FixTexts& fixes, FixFigures& figures) {
    const CableRun& run = *checked.run;
    line.put("    {\"id\": "sv);
    if (plainAscii(run.id)) {
        line.put('"');
        line.put(run.id);
        line.put('"');
    } else {
        // Exact, with what hides from a reader escaped (\u202e) rather than raw.
        line.put(planning::replaceHidden(
            Json(run.id).dump(-1, ' ', style.terminal, Json::error_handler_t::replace),
            planning::shownForJson));
    }
    line.put(", \"length_ft\": "sv);
    line.fixed(checked.feet);
    line.put(", \"length_m\": "sv);
    line.fixed(run.meters);
    line.put(middles.of(checked));
    const std::size_t margin = line.size();
    line.fixed(checked.verdict.margin);
    if (!checked.verdict.pass) {
        const auto shortfall = shownShortfall(line, margin, checked.verdict.margin);
        line.put(", \"fix\": \""sv);
        putFix(line, fixes, fix, shortfall);
        line.put('"');
        figures.append(line, fix);
    }
    line.put('}');
}

class TextRuns final : public RunsOutput {
  public:
    TextRuns(std::ostream& out, const OutputStyle&, const PlanScenario& scenario,
             const Wording& wording)
        : RunsOutput(out, scenario), fixes_(wording) {}

  private:
    void row(RowBuffer& buffer, const CheckedRun& run, const RunFix& fix) override {
        textRow(buffer, middles_, run, fix, fixes_);
    }

    void end(std::ostream& out, const BatchTotals& totals) const override {
        out << counted(totals.checked(), "run", "runs") << " checked: " << totals.passed
            << " pass, " << totals.failed << " fail";
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
    Phrases middles_{textMiddle};
};

class CsvRuns final : public RunsOutput {
  public:
    CsvRuns(std::ostream& out, const OutputStyle& style, const PlanScenario& scenario,
            const Wording& wording)
        : RunsOutput(out, scenario), style_(style), fixes_(wording, doubledQuotes) {}

  private:
    void begin(RowBuffer& buffer) const override {
        buffer.put(
            "id,length_ft,length_m,result,failing_edge,limit,margin_db,cable,product,fix\n"sv);
    }
    void row(RowBuffer& buffer, const CheckedRun& run, const RunFix& fix) override {
        csvRow(buffer, verdicts_, names_, style_, run, fix, fixes_);
    }
    void end(std::ostream&, const BatchTotals&) const override {}

    OutputStyle style_;
    FixTexts fixes_;
    Phrases verdicts_{csvVerdict};
    Phrases names_{csvNames};
};

class JsonRuns final : public RunsOutput {
  public:
    JsonRuns(std::ostream& out, const OutputStyle& style, const PlanScenario& scenario,
             const Wording& wording)
        : RunsOutput(out, scenario), style_(style), fixes_(wording, jsonInner) {}

  private:
    void begin(RowBuffer& buffer) const override { buffer.put("{\n  \"runs\": [\n"sv); }
    void between(RowBuffer& buffer) const override { buffer.put(",\n"sv); }
    void row(RowBuffer& buffer, const CheckedRun& run, const RunFix& fix) override {
        jsonRow(buffer, middles_, style_, run, fix, fixes_, figures_);
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
    Phrases middles_{jsonMiddle};
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
    write(buffer_);
}

void RunsOutput::write(const RowBuffer& buffer) {
    const std::string_view bytes = buffer.from(0);
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void RunsOutput::flush() {
    write(buffer_);
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
