#include "planning/html_report.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "engine/distance_model.h"
#include "engine/levels.h"
#include "planning/choose.h"
#include "planning/explain.h"
#include "planning/margins.h"
#include "planning/markup.h"
#include "planning/page_titles.h"
#include "planning/printed_number.h"
#include "planning/run_fix.h"
#include "planning/scenario.h"
#include "planning/svg_chart.h"
#include "planning/table_names.h"
#include "planning/verdict.h"
#include "planning/wording.h"

namespace tarvelle::planning {

namespace {

// Sized for the narrower of A4 and Letter; the printer's paper decides the
// page size. Colour is never the only sign: failing values carry a word or
// an arrow as well.
constexpr std::string_view kStyle = R"(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10.5pt;
  line-height: 1.35; color: #111; background: #fff; max-width: 62em; margin: 1.5em auto;
  padding: 0 1em; }
h1 { font-size: 18pt; margin: 0 0 0.2em; }
h2 { font-size: 13pt; margin: 1.3em 0 0.4em; padding-bottom: 0.1em; border-bottom: 1px solid #888; }
p { margin: 0.4em 0; }
.meta { color: #444; }
table { border-collapse: collapse; margin: 0.3em 0; }
th, td { padding: 0.15em 0.45em; border-bottom: 1px solid #ddd; text-align: left;
  vertical-align: top; }
thead th { border-bottom: 1.5px solid #444; vertical-align: bottom; }
.n { text-align: right; font-variant-numeric: tabular-nums; }
td.n { white-space: nowrap; }
table.title th { font-weight: normal; color: #444; padding-left: 0; }
.verdict { font-size: 13pt; font-weight: bold; margin: 0.6em 0; }
ul.fixes li, ul.skipped li { margin: 0.15em 0; }
.fixes b, .skipped b { white-space: nowrap; }
table.runs { width: 100%; font-size: 8.5pt; }
table.runs th { font-size: 8pt; }
table.runs td.id { white-space: nowrap; }
table.runs td.id.long { white-space: normal; overflow-wrap: anywhere; min-width: 20em; }
td.fail, td.out { color: #a61b0f; font-weight: bold; }
.warning, .no-length { border-left: 4px solid #c0392b; background: #fbeeec; padding: 0.3em 0.6em; }
figure { margin: 0.5em 0; }
figure svg { display: block; width: 100%; height: auto; }
figcaption { font-size: 9pt; color: #333; }
footer { margin-top: 2em; padding-top: 0.3em; border-top: 1px solid #888; font-size: 9pt;
  color: #444; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 9.5pt; }
  h2 { break-after: avoid; }
  tr, li, figure, .keep { break-inside: avoid; }
  footer { break-before: avoid; }
  figure svg { max-height: 128mm; }
  thead { display: table-header-group; }
  .warning, .no-length, figure svg { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

std::string text(std::string_view value) {
    return escapeMarkup(value);
}

// A row of the runs table without its identifier is shorter than this.
constexpr std::size_t kMostRowBytes = 1024;

int planNumber(const FrequencyPlan& plan) {
    return plan[1].frequencyMHz == kPlan1[1].frequencyMHz ? 1 : 2;
}

std::string planText(const FrequencyPlan& plan) {
    return "plan " + std::to_string(planNumber(plan)) + ": analog " +
           megahertzText(plan[0].frequencyMHz) + " to " + megahertzText(plan[1].frequencyMHz) +
           ", digital " + megahertzText(plan[2].frequencyMHz) + " to " +
           megahertzText(plan[3].frequencyMHz);
}

std::string level(double dbmv, LevelUnit unit) {
    return levelText(dbmv, unit, "&#160;");
}

void inputsSection(std::ostream& out, const ReportInputs& report) {
    const CalculationInputs& inputs = report.inputs;
    const std::array<std::pair<std::string, std::string>, 6> rows{{
        {"Input level at the source", level(inputs.levelIn, report.unit)},
        {"Product",
         text(
             kProductConfigurations.at(static_cast<std::size_t>(inputs.productPosition)).listText)},
        {"Cable", text(cableLabel(inputs.cableIndex))},
        {"Frequency plan", text(planText(report.plan))},
        {"Receiver window, analog", level(inputs.analog.minimum, report.unit) + " to " +
                                        level(inputs.analog.maximum, report.unit)},
        {"Receiver window, digital", level(inputs.digital.minimum, report.unit) + " to " +
                                         level(inputs.digital.maximum, report.unit)},
    }};
    out << "<section id=\"inputs\">\n<h2>Inputs</h2>\n<table class=\"inputs\">\n";
    for (const auto& [name, value] : rows) {
        out << "<tr><th scope=\"row\">" << name << "</th><td>" << value << "</td></tr>\n";
    }
    out << "</table>\n</section>\n";
}

// The window keeps its own wording; the report spells it out correctly.
std::string reportWarning() {
    std::string warning(kBandWarning);
    constexpr std::string_view misspelt = "amplication";
    if (const auto at = warning.find(misspelt); at != std::string::npos) {
        warning.replace(at, misspelt.size(), "amplification");
    }
    return warning;
}

// User text inside a CSS string: valid UTF-8 with no control character (as in
// the page), and no character that ends the string, the rule or the style
// element.
std::string cssString(std::string_view value) {
    const std::string markup = escapeMarkup(value);
    constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kEntities{
        {{"&amp;", "\\26 "},
         {"&lt;", "\\3c "},
         {"&gt;", "\\3e "},
         {"&quot;", "\\22 "},
         {"&#39;", "\\27 "}}};
    std::string css = "\"";
    for (std::size_t i = 0; i < markup.size();) {
        const auto entity = std::ranges::find_if(kEntities, [&](const auto& pair) {
            return std::string_view(markup).substr(i).starts_with(pair.first);
        });
        if (entity != kEntities.end()) {
            css += entity->second;
            i += entity->first.size();
        } else {
            css += markup[i] == '\\' ? std::string("\\5c ") : std::string(1, markup[i]);
            ++i;
        }
    }
    return css + "\"";
}

// The printed page's margins: the title block at the top, the page number at
// the foot.
std::string pageStyle(const ReportInputs& report) {
    const PageTitles titles = pageTitles(report);
    const std::string box = " { font: 8pt \"Liberation Sans\", Arial, sans-serif; color: #444; ";
    return "@page { margin: 16mm 12mm 15mm 12mm;\n  @top-left" + box +
           "content: " + cssString(titles.topLeft) + "; }\n  @top-right" + box +
           "content: " + cssString(titles.topRight) + "; }\n  @bottom-left" + box +
           "content: " + cssString(titles.bottomLeft) + "; }\n  @bottom-right" + box +
           "content: \"page \" counter(page) \" of \" counter(pages); }\n}\n";
}

void distancesSection(std::ostream& out, const ReportInputs& report) {
    const Distances distances = calculateDistances(report.inputs);
    const auto texts = resultTexts(distances, ".");
    out << "<section id=\"distances\">\n<h2>Allowed cable lengths</h2>\n"
        << "<p>For " << text(productLabel(report.inputs.productPosition)) << " on "
        << text(cableLabel(report.inputs.cableIndex)) << ", as the window shows them:</p>\n"
        << "<table class=\"distances\">\n<thead><tr><th>Band</th>"
        << "<th class=\"n\">minimum (ft)</th><th class=\"n\">minimum (m)</th>"
        << "<th class=\"n\">maximum (ft)</th><th class=\"n\">maximum (m)</th></tr></thead>\n"
        << "<tbody>\n";
    const std::array<std::string_view, 3> names{"Analog band", "Digital band", "Worst case"};
    for (std::size_t row = 0; row < names.size(); ++row) {
        out << "<tr><th scope=\"row\">" << names[row] << "</th>";
        for (std::size_t column = 0; column < 4; ++column) {
            out << "<td class=\"n\">" << text(texts[4 * row + column]) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n";
    if (distances.warns()) {
        out << "<p class=\"warning\">" << text(reportWarning()) << "</p>\n";
    }
    for (const std::string& line : noLengthWorksLines(report.inputs, report.plan, distances)) {
        out << "<p class=\"no-length\">" << text(line) << "</p>\n";
    }
}

// The worst-case lengths of every product and cable some run uses, so that
// each run's verdict can be read against its own limits.
void usedLengths(std::ostream& out, const ReportInputs& report, const std::array<bool, 9>& used) {
    out << "<p>Worst-case lengths on each product and cable the runs use:</p>\n"
        << "<table class=\"used keep\">\n<thead><tr><th>Product</th><th>Cable</th>"
        << "<th class=\"n\">shortest (m)</th><th class=\"n\">longest (m)</th>"
        << "<th class=\"n\">shortest (ft)</th><th class=\"n\">longest (ft)</th></tr></thead>\n"
        << "<tbody>\n";
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (!used[i]) {
            continue;
        }
        CalculationInputs inputs = report.inputs;
        inputs.productPosition = static_cast<std::int16_t>(i / 3);
        inputs.cableIndex = static_cast<std::int16_t>(i % 3);
        const DistanceRange range = calculateDistances(inputs).worstCase;
        out << "<tr><td>" << text(productLabel(inputs.productPosition)) << "</td><td>"
            << text(cableLabel(inputs.cableIndex)) << "</td>";
        if (range.minimum > range.maximum) {
            out << "<td colspan=\"4\">no length works</td>";
        } else {
            for (const double value : {range.minimum, range.maximum, MetersToFeet(range.minimum),
                                       MetersToFeet(range.maximum)}) {
                out << "<td class=\"n\">" << fixed(value) << "</td>";
            }
        }
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n</section>\n";
}

// `same` names the product or cable every run has, said once above the table
// instead of in a column.
void runsHeading(std::ostream& out, const ReportInputs& report, bool productColumn,
                 bool cableColumn, const std::string& same) {
    out << "<section id=\"runs\">\n<h2>Runs</h2>\n"
        << "<p>Runs from " << text(report.runsSource)
        << ", each checked on its own cable and product" << same
        << ". The received level at each band edge "
        << "is in " << text(unitLabel(report.unit))
        << "; a level above its receiver window is marked &#9650;, one below it &#9660;. "
        << "The smallest margin is how far the closest level lies inside its window "
        << "(negative: outside). A run that is too short needs the attenuation shown to bring "
        << "its levels down to the window.</p>\n"
        << "<table class=\"runs\">\n<thead><tr><th rowspan=\"2\">Run</th>"
        << "<th class=\"n\" rowspan=\"2\">Length (m)</th><th class=\"n\" rowspan=\"2\">Length "
           "(ft)</th>"
        << (cableColumn ? "<th rowspan=\"2\">Cable</th>" : "")
        << (productColumn ? "<th rowspan=\"2\">Product</th>" : "")
        << "<th class=\"n\" colspan=\"4\">Received level (" << text(unitLabel(report.unit))
        << ")</th><th class=\"n\" rowspan=\"2\">Smallest margin (dB)</th>"
        << "<th rowspan=\"2\">Verdict</th><th class=\"n\" rowspan=\"2\">Attenuation needed "
           "(dB)</th>"
        << "</tr>\n<tr>";
    for (std::size_t i = 0; i < kEdgeNames.size(); ++i) {
        out << "<th class=\"n\">" << text(kEdgeNames[i]) << ", "
            << megahertzText(report.plan[i].frequencyMHz) << "</th>";
    }
    out << "</tr></thead>\n<tbody>\n";
}

void modelSection(std::ostream& out, const ReportInputs& report) {
    const FrequencyPlan& plan = report.plan;
    const ProductGains gains = productGains(report.inputs.productPosition);
    out << "<section id=\"model\">\n<h2>How the figures are worked out</h2>\n"
        << "<p>The level at the outlet of a run is the level into the cable, which is the input "
        << "level plus the product's gain at that frequency, less the cable's loss. The loss grows "
        << "in step with the length: the loss per 100&#160;m times the length over "
           "100&#160;m.</p>\n"
        << "<p>The frequency plan (" << text(planText(plan))
        << ") is checked at four band edges only, each against its band's receiver window; the "
        << "split frequency is checked twice, once against each window:</p>\n<ul>\n";
    for (std::size_t i = 0; i < plan.size(); ++i) {
        out << "<li>" << text(kEdgeNames[i]) << ", " << megahertzText(plan[i].frequencyMHz)
            << ": product gain " << fixed(gains[plan[i].gainColumn]) << "&#160;dB</li>\n";
    }
    // The rest kept together, so that a page never ends the report with a
    // line or two of it.
    out << "</ul>\n<div class=\"keep\">\n<p>Cable loss per 100&#160;m at those frequencies, by "
           "category:</p>\n"
        << "<table class=\"cable-loss\">\n<thead><tr><th>Cable</th>";
    const std::array<double, 3> frequencies{plan[0].frequencyMHz, plan[1].frequencyMHz,
                                            plan[3].frequencyMHz};
    for (const double frequency : frequencies) {
        out << "<th class=\"n\">" << megahertzText(frequency) << " (dB)</th>";
    }
    out << "</tr></thead>\n<tbody>\n";
    for (const CableCategory& cable : kCableCategories) {
        out << "<tr><th scope=\"row\">" << text(cable.listText) << "</th>";
        for (const double frequency : frequencies) {
            out << "<td class=\"n\">" << fixed(attenuationPer100m(cable, frequency)) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n"
        << "<p><b>Worst case</b> means the lengths that keep all four band edges within their "
        << "windows at once: from the longer of the two bands' minimum lengths to the shorter of "
        << "their maximum lengths. A run passes when none of its margins, rounded to 0.01&#160;dB, "
        << "is below zero.</p>\n"
        << "<p><b>Tilt</b>: a cable loses more at high frequencies than at low ones, so along a "
        << "run the level at a band's high edge falls faster than at its low edge. The difference "
        << "in loss over the run is the cable's tilt; a product with more gain at high "
        << "frequencies makes up for some of it. When the levels of a band spread wider than its "
        << "receiver window at every length, no length works for that band: adjust the "
        << "amplifier's slope (tilt) or attenuate the lower frequencies.</p>\n"
        << "<p><b>Limits</b>: the model is a straight level budget at four frequencies. It leaves "
        << "out connectors, patch cords, splitters, temperature and the channels between the band "
        << "edges, and it takes the cable at its category's limit loss; real cable usually loses "
        << "a little less.";
    if (report.unit == LevelUnit::DBuV) {
        out << " Levels in dB&#181;V are 60&#160;dB above the same level in dBmV.";
    }
    out << "</p>\n</div>\n</section>\n";
}

}  // namespace

void HtmlReport::Notes::add(std::string item) {
    ++total;
    if (items.size() < kListedNotes && bytes + item.size() <= kListedBytes / 8) {
        bytes += item.size();
        items.push_back(std::move(item));
    }
}

namespace {

// An identifier of up to this many characters never wraps.
constexpr std::size_t kUnbrokenIdentifier = 40;

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::ranges::count_if(
        text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void notesList(std::ostream& out, const char* listClass, const HtmlReport::Notes& notes,
               std::string_view more) {
    out << "<ul class=\"" << listClass << "\">\n";
    for (const std::string& item : notes.items) {
        out << "<li>" << item << "</li>\n";
    }
    if (notes.total > notes.items.size()) {
        out << "<li>and " << notes.total - notes.items.size() << " more " << more << "</li>\n";
    }
    out << "</ul>\n";
}

// "the 8-port hub to balun on Cat6", or with runs on several: "the 8-port hub
// to balun on each run's own cable (Cat6 or Cat6A/Cat7)".
std::string usedText(const std::array<bool, 9>& used, const Combination& chosen,
                     const Wording& wording) {
    std::vector<std::string> products;
    std::vector<std::string> cables;
    for (std::int16_t product = 0; product < 3; ++product) {
        for (std::int16_t cable = 0; cable < 3; ++cable) {
            if (used.at(static_cast<std::size_t>(product * 3 + cable))) {
                const std::string productName(
                    wording.products.at(static_cast<std::size_t>(product)));
                if (std::ranges::find(products, productName) == products.end()) {
                    products.push_back(productName);
                }
                if (std::ranges::find(cables, wording.cable(cable)) == cables.end()) {
                    cables.push_back(wording.cable(cable));
                }
            }
        }
    }
    if (products.empty()) {
        return wording.combination(chosen);
    }
    return (products.size() == 1 ? "the " + products.front()
                                 : "each run's own product (" + listed(products) + ")") +
           " on " +
           (cables.size() == 1 ? cables.front() : "each run's own cable (" + listed(cables) + ")");
}

}  // namespace

HtmlReport::HtmlReport(std::ostream& out, ReportInputs inputs)
    : out_(out), inputs_(std::move(inputs)), tally_(planScenario(inputs_.inputs, inputs_.plan)) {
    calculateDistances(inputs_.inputs);
}

void HtmlReport::addRun(const ReportRun& run) {
    const PlanScenario scenario = planScenario(inputs_.inputs, inputs_.plan);
    const PlanRun planRun{run.meters, {run.product, run.cable}};
    // The fix only for a run the first page can still name. Both may throw:
    // before anything of the run is kept.
    const bool named = !run.verdict.pass && failing_.items.size() < kListedNotes;
    const std::optional<RunFix> fix =
        named ? std::optional<RunFix>(fixFor(scenario, planRun)) : std::nullopt;
    tally_.add(planRun);
    used_.at(static_cast<std::size_t>(run.product * 3 + run.cable)) = true;
    ++runs_;
    passed_ += run.verdict.pass ? 1 : 0;
    const std::string id = text(run.id);
    if (fix) {
        failing_.add("<b>" + id + "</b>, " + length(run.meters) + " of " +
                     text(cableLabel(run.cable)) + ": " +
                     text(fixText(*fix, wordingFor(inputs_.unit))));
    } else if (!run.verdict.pass) {
        ++failing_.total;
    }
    // An identifier may be 64 KiB: the bytes are capped as well as the rows.
    const bool room = listedBytes_ + id.size() + kMostRowBytes <= kListedBytes;
    if (!room ||
        (runs_ > kListedRuns && (run.verdict.pass || listedFailures_ == kListedFailures))) {
        ++(run.verdict.pass ? unlistedPasses_ : unlistedFailures_);
        return;
    }
    listedFailures_ += runs_ > kListedRuns ? 1 : 0;
    listedBytes_ += id.size() + kMostRowBytes;
    Row row{"<tr class=\"" + std::string(run.verdict.pass ? "pass" : "fail") + "\"><td class=\"id" +
                (characters(run.id) > kUnbrokenIdentifier ? " long" : "") + "\">" + id +
                "</td><td class=\"n\">" + fixed(run.meters) + "</td><td class=\"n\">" +
                fixed(MetersToFeet(run.meters)) + "</td>",
            run.product,
            run.cable,
            {}};
    for (const EdgeLevel& edge : run.edges) {
        const std::string received = fixed(fromDbmv(edge.received, inputs_.unit));
        if (belowZeroAsPrinted(marginToMaximum(edge))) {
            row.tail += "<td class=\"n out\">&#9650;&#160;" + received + "</td>";
        } else if (belowZeroAsPrinted(marginToMinimum(edge))) {
            row.tail += "<td class=\"n out\">&#9660;&#160;" + received + "</td>";
        } else {
            row.tail += "<td class=\"n\">" + received + "</td>";
        }
    }
    row.tail += "<td class=\"n\">" + fixed(run.verdict.margin) + "</td>" +
                (run.verdict.pass ? "<td>pass</td>" : "<td class=\"fail\">FAIL</td>") +
                "<td class=\"n\">";
    if (const auto attenuation = attenuationNeeded(run.edges)) {
        row.tail += fixed(attenuation->db) + (attenuation->enough ? "" : " (not enough alone)");
    }
    row.tail += "</td></tr>\n";
    rows_.push_back(std::move(row));
}

void HtmlReport::addSkipped(const std::string& where, const std::string& reason) {
    skipped_.add("<b>" + text(where) + "</b>: " + text(reason));
}

void HtmlReport::addRepeat(const std::string& where, const std::string& reason) {
    repeats_.add("<b>" + text(where) + "</b>: " + text(reason));
}

void HtmlReport::finish(const RunMarks& runs) {
    const Wording wording = wordingFor(inputs_.unit);
    const PlanSummary plan = tally_.summary();
    const Combination chosen{inputs_.inputs.productPosition, inputs_.inputs.cableIndex};
    out_ << "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
         << "<meta charset=\"utf-8\"/>\n"
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
         << "<title>Cable-run report"
         << (inputs_.project.empty() ? "" : ": " + text(inputs_.project)) << "</title>\n<style>"
         << kStyle << pageStyle(inputs_) << "</style>\n</head>\n<body>\n"
         << "<header>\n<h1>Cable-run report</h1>\n<table class=\"title\">\n";
    const std::array<std::pair<std::string_view, std::string>, 4> title{{
        {"Project", inputs_.project},
        {"Site", inputs_.site},
        {"Prepared by", inputs_.preparedBy},
        {"Date", inputs_.date},
    }};
    for (const auto& [name, value] : title) {
        if (!value.empty()) {
            out_ << "<tr><th scope=\"row\">" << name << "</th><td>" << text(value)
                 << "</td></tr>\n";
        }
    }
    out_ << "</table>\n</header>\n<main>\n<section id=\"answer\">\n<h2>Verdict</h2>\n"
         << "<p class=\"verdict\">";
    const std::size_t skipped = skipped_.total;
    if (runs_ == passed_) {
        out_ << (runs_ == 1 ? "The run passes" : "All " + std::to_string(runs_) + " runs pass");
    } else {
        out_ << runs_ - passed_ << " of " << counted(runs_, "run fails", "runs fail");
    }
    if (skipped > 0) {
        out_ << "; " << counted(skipped, "row of the runs file was", "rows of the runs file were")
             << " skipped";
    }
    out_ << ".</p>\n<p>";
    if (!inputs_.recommendation.empty()) {
        out_ << "Recommended: " << text(inputs_.recommendation) << ".";
    } else {
        out_ << "Product and cable: " << text(usedText(used_, chosen, wording)) << ", fed at "
             << text(wording.level(plan.levelIn)) << ". ";
        if (const auto& range = plan.feed.everyRunPasses) {
            out_ << "Every run passes, each on its own cable, at a feed from "
                 << text(wording.level(range->lowest)) << " to "
                 << text(wording.level(range->highest)) << "; "
                 << text(wording.level(*plan.feed.suggestedLevel())) << " gives the most margin.";
        } else if (plan.feed.mostRunsPass) {
            out_ << "No feed level passes every run; at "
                 << text(wording.level(*plan.feed.suggestedLevel())) << " "
                 << plan.feed.mostRunsPassing << " of " << counted(plan.feed.runs, "run", "runs")
                 << " pass, the most.";
        }
    }
    out_ << "</p>\n";
    if (failing_.total > 0) {
        out_ << "<h3>Failing runs and what would fix each</h3>\n";
        notesList(out_, "fixes", failing_, "failing runs (--format csv lists every run)");
    }
    if (skipped > 0) {
        out_ << "<h3>Rows of the runs file skipped</h3>\n";
        notesList(out_, "skipped", skipped_, "rows skipped");
    }
    if (repeats_.total > 0) {
        out_ << "<h3>Identifiers that repeat (the runs are checked all the same)</h3>\n";
        notesList(out_, "skipped", repeats_, "repeated identifiers");
    }
    out_ << "</section>\n";
    inputsSection(out_, inputs_);
    distancesSection(out_, inputs_);
    usedLengths(out_, inputs_, used_);

    // A product or cable every listed run shares is said once, above the table.
    const auto everyRow = [&](auto same) { return std::ranges::all_of(rows_, same); };
    const bool oneProduct = !rows_.empty() && everyRow([&](const Row& row) {
        return row.product == rows_.front().product;
    });
    const bool oneCable = !rows_.empty() && everyRow([&](const Row& row) {
        return row.cable == rows_.front().cable;
    });
    std::string same;
    if (oneProduct || oneCable) {
        same = ": every run listed";
        same += oneProduct ? " is on the " + text(productLabel(rows_.front().product)) : "";
        same += oneProduct && oneCable ? "," : "";
        same += oneCable ? " over " + text(cableLabel(rows_.front().cable)) : "";
    }
    runsHeading(out_, inputs_, !oneProduct, !oneCable, same);
    for (const Row& row : rows_) {
        out_ << row.head;
        if (!oneCable) {
            out_ << "<td>" << text(cableLabel(row.cable)) << "</td>";
        }
        if (!oneProduct) {
            out_ << "<td>" << text(productLabel(row.product)) << "</td>";
        }
        out_ << row.tail;
    }
    out_ << "</tbody>\n</table>\n<p class=\"summary\">" << counted(runs_, "run", "runs")
         << " checked: " << passed_ << " pass, " << runs_ - passed_ << " fail.</p>\n";
    if (const std::size_t unlisted = unlistedPasses_ + unlistedFailures_; unlisted > 0) {
        out_ << "<p class=\"unlisted\">So that this page stays quick to open, the table lists the "
             << "first " << kListedRuns << " runs, then only failing runs, up to "
             << kListedFailures << " more. Not listed: " << counted(unlisted, "run", "runs") << " ("
             << unlistedPasses_ << " pass, " << unlistedFailures_ << " fail). "
             << "Every run is in the CSV output of the same check "
             << "(<code>tarvelle-cli ... --format csv</code>).</p>\n";
    }
    out_ << "</section>\n<section id=\"chart\">\n<h2>Chart</h2>\n<figure>\n";
    try {
        out_ << renderChart(inputs_, runs);
        out_
            << "<figcaption>Received level at each band edge against cable length, the receiver "
            << "windows hatched. Below, on the same length scale: the runs counted per band of "
            << "length (passing light, failing dark), and the allowed lengths, with the worst case "
            << "on each cable the runs use.</figcaption>\n";
    } catch (const ChartError& error) {
        out_ << "<p class=\"no-chart\">The chart cannot be drawn: " << text(error.what())
             << ".</p>\n";
    }
    out_ << "</figure>\n</section>\n";
    modelSection(out_, inputs_);
    out_ << "</main>\n<footer>\n<p>Tarvelle cable-run report, made on " << text(inputs_.date)
         << " with " << text(inputs_.madeBy) << ".</p>\n</footer>\n"
         << "</body>\n</html>\n";
}

}  // namespace tarvelle::planning
