#include "planning/html_report.h"

#include <cmath>
#include <utility>

#include "engine/distance_model.h"
#include "engine/levels.h"
#include "planning/explain.h"
#include "planning/margins.h"
#include "planning/markup.h"
#include "planning/printed_number.h"
#include "planning/scenario.h"
#include "planning/svg_chart.h"
#include "planning/table_names.h"
#include "planning/verdict.h"

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
table.runs { width: 100%; font-size: 8.5pt; }
table.runs th { font-size: 8pt; }
table.runs td.id { min-width: 5em; overflow-wrap: anywhere; }
td.fail, td.out { color: #a61b0f; font-weight: bold; }
.warning, .no-length { border-left: 4px solid #c0392b; background: #fbeeec; padding: 0.3em 0.6em; }
figure { margin: 0.5em 0; }
figure svg { display: block; width: 100%; height: auto; }
figcaption { font-size: 9pt; color: #333; }
footer { margin-top: 2em; padding-top: 0.3em; border-top: 1px solid #888; font-size: 9pt;
  color: #444; }
@page { margin: 14mm 12mm 15mm 12mm; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 9.5pt; }
  h2 { break-after: avoid; }
  tr, figure, .keep { break-inside: avoid; }
  thead { display: table-header-group; }
  #chart { break-before: page; }
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

void distancesSection(std::ostream& out, const ReportInputs& report) {
    const Distances distances = calculateDistances(report.inputs);
    const auto texts = resultTexts(distances, ".");
    out << "<section id=\"distances\">\n<h2>Allowed cable lengths</h2>\n"
        << "<table class=\"distances\">\n<thead><tr><th></th>"
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
        out << "<p class=\"warning\">" << text(kBandWarning) << "</p>\n";
    }
    for (const std::string& line : noLengthWorksLines(report.inputs, report.plan, distances)) {
        out << "<p class=\"no-length\">" << text(line) << "</p>\n";
    }
    out << "</section>\n";
}

void runsHeading(std::ostream& out, const ReportInputs& report) {
    out << "<section id=\"runs\">\n<h2>Runs</h2>\n"
        << "<p>Runs from " << text(report.runsSource)
        << ", each checked on its own cable and product. The received level at each band edge "
        << "is in " << text(unitLabel(report.unit))
        << "; a level above its receiver window is marked &#9650;, one below it &#9660;. "
        << "The smallest margin is how far the closest level lies inside its window "
        << "(negative: outside). A run that is too short needs the attenuation shown to bring "
        << "its levels down to the window.</p>\n"
        << "<table class=\"runs\">\n<thead><tr><th rowspan=\"2\">Run</th>"
        << "<th class=\"n\" rowspan=\"2\">Length (m)</th><th class=\"n\" rowspan=\"2\">Length "
           "(ft)</th>"
        << "<th rowspan=\"2\">Cable</th><th rowspan=\"2\">Product</th>"
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
    out << "</ul>\n<p>Cable loss per 100&#160;m at those frequencies, by category:</p>\n"
        << "<table class=\"cable-loss keep\">\n<thead><tr><th>Cable</th>";
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
    out << "</p>\n</section>\n";
}

}  // namespace

HtmlReport::HtmlReport(std::ostream& out, ReportInputs inputs)
    : out_(out), inputs_(std::move(inputs)) {
    out_ << "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
         << "<meta charset=\"utf-8\"/>\n"
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
         << "<title>Cable-run report</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n"
         << "<header>\n<h1>Cable-run report</h1>\n<p class=\"meta\">Made on " << text(inputs_.date)
         << " with tarvelle-cli " << text(inputs_.version) << ".</p>\n"
         << "</header>\n";
    inputsSection(out_, inputs_);
    distancesSection(out_, inputs_);
    runsHeading(out_, inputs_);
}

void HtmlReport::addRun(const ReportRun& run) {
    ++runs_;
    passed_ += run.verdict.pass ? 1 : 0;
    // An identifier may be 64 KiB: the bytes are capped as well as the rows.
    const std::string id = text(run.id);
    const bool room = listedBytes_ + id.size() + kMostRowBytes <= kListedBytes;
    if (!room ||
        (runs_ > kListedRuns && (run.verdict.pass || listedFailures_ == kListedFailures))) {
        ++(run.verdict.pass ? unlistedPasses_ : unlistedFailures_);
        return;
    }
    listedFailures_ += runs_ > kListedRuns ? 1 : 0;
    listedBytes_ += id.size() + kMostRowBytes;
    out_ << "<tr class=\"" << (run.verdict.pass ? "pass" : "fail") << "\"><td class=\"id\">" << id
         << "</td><td class=\"n\">" << fixed(run.meters) << "</td><td class=\"n\">"
         << fixed(MetersToFeet(run.meters)) << "</td><td>" << text(cableLabel(run.cable))
         << "</td><td>" << text(productLabel(run.product)) << "</td>";
    for (const EdgeLevel& edge : run.edges) {
        const double received = fromDbmv(edge.received, inputs_.unit);
        if (belowZeroAsPrinted(marginToMaximum(edge))) {
            out_ << "<td class=\"n out\">&#9650;&#160;" << fixed(received) << "</td>";
        } else if (belowZeroAsPrinted(marginToMinimum(edge))) {
            out_ << "<td class=\"n out\">&#9660;&#160;" << fixed(received) << "</td>";
        } else {
            out_ << "<td class=\"n\">" << fixed(received) << "</td>";
        }
    }
    out_ << "<td class=\"n\">" << fixed(run.verdict.margin) << "</td>"
         << (run.verdict.pass ? "<td>pass</td>" : "<td class=\"fail\">FAIL</td>")
         << "<td class=\"n\">";
    if (const auto attenuation = attenuationNeeded(run.edges)) {
        out_ << fixed(attenuation->db) << (attenuation->enough ? "" : " (not enough alone)");
    }
    out_ << "</td></tr>\n";
}

void HtmlReport::finish(const RunMarks& runs, std::size_t skippedRows) {
    out_ << "</tbody>\n</table>\n<p class=\"summary\">" << runs_ << (runs_ == 1 ? " run" : " runs")
         << " checked: " << passed_ << " pass, " << runs_ - passed_ << " fail.</p>\n";
    if (const std::size_t unlisted = unlistedPasses_ + unlistedFailures_; unlisted > 0) {
        out_ << "<p class=\"unlisted\">So that this page stays quick to open, the table lists the "
             << "first " << kListedRuns << " runs, then only failing runs, up to "
             << kListedFailures << " more. Not listed: " << unlisted
             << (unlisted == 1 ? " run" : " runs") << " (" << unlistedPasses_ << " pass, "
             << unlistedFailures_ << " fail). "
             << "Every run is in the CSV output of the same check "
             << "(<code>tarvelle-cli ... --format csv</code>).</p>\n";
    }
    if (skippedRows > 0) {
        out_ << "<p class=\"skipped\">" << skippedRows << (skippedRows == 1 ? " row" : " rows")
             << " of the runs file " << (skippedRows == 1 ? "was" : "were")
             << " skipped as no run that can be checked; standard error names each by line.</p>\n";
    }
    out_ << "</section>\n<section id=\"chart\">\n<h2>Chart</h2>\n<figure>\n";
    try {
        out_ << renderChart(inputs_, runs);
        out_ << "<figcaption>Received level at each band edge against cable length for the inputs "
             << "above, with the receiver windows hatched. Runs are marked at their lengths below "
             << "the plot: a circle passes, a cross fails.</figcaption>\n";
    } catch (const ChartError& error) {
        out_ << "<p class=\"no-chart\">The chart cannot be drawn: " << text(error.what())
             << ".</p>\n";
    }
    out_ << "</figure>\n</section>\n";
    modelSection(out_, inputs_);
    out_ << "<footer>\n<p>Tarvelle cable-run report, made on " << text(inputs_.date)
         << " with tarvelle-cli " << text(inputs_.version) << ".</p>\n</footer>\n"
         << "</body>\n</html>\n";
}

}  // namespace tarvelle::planning
