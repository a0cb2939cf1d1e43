#include "planning/svg_chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <sstream>
#include <tuple>
#include <vector>

#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"
#include "planning/margins.h"
#include "planning/markup.h"
#include "planning/printed_number.h"
#include "planning/scenario.h"
#include "planning/table_names.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

// The drawing, in SVG user units.
constexpr double kWidth = 960;
constexpr double kHeight = 610;
constexpr double kLeft = 80;
constexpr double kRight = 690;
constexpr double kTop = 130;
constexpr double kBottom = 420;
constexpr double kRunsY = 482;
constexpr double kLegendX = kRight + 22;

constexpr std::string_view kAnalogColour = "#1f5fbf";
constexpr std::string_view kDigitalColour = "#c0392b";
constexpr std::string_view kWorstColour = "#2e8b57";
constexpr std::string_view kPassColour = "#2e8b57";
constexpr std::string_view kFailColour = "#c0392b";

// Lengths drawn without runs: a little beyond the longest band distance, or
// this much when every distance is 0.
constexpr double kEmptyLengthSpan = 10;
// A level axis over a single value spans this much around it, dB.
constexpr double kEmptyLevelSpan = 2;
// Ticks must be far apart compared with their size, or their labels and
// positions would coincide after rounding.
constexpr double kSmallestRelativeSpan = 1e-9;
constexpr std::size_t kMaxTicks = 12;

struct Axis {
    double low;
    double high;
    double from;  // drawing coordinate of low
    double to;    // drawing coordinate of high
    double at(double value) const { return from + (value - low) / (high - low) * (to - from); }
};

Axis axisOver(double low, double high, double from, double to, double emptySpan) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        throw ChartError("its values are beyond the number range");
    }
    if (high <= low) {
        low -= emptySpan / 2;
        high += emptySpan / 2;
    }
    const double span = high - low;
    if (!std::isfinite(span) ||
        !(span > kSmallestRelativeSpan * std::max(std::abs(low), std::abs(high)))) {
        throw ChartError("its levels are too large to tell apart");
    }
    return {low, high, from, to};
}

// A round step (1, 2 or 5 times a power of ten) giving about `count` intervals.
double niceStep(double range, int count) {
    const double raw = range / count;
    const double decade = std::pow(10, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * decade) {
            return factor * decade;
        }
    }
    return 10 * decade;
}

struct Ticks {
    std::vector<double> values;
    int decimals;
};

// Counted, never stepped by adding: a step too small to change the value
// could otherwise never reach the end.
Ticks ticksOver(double low, double high) {
    const double step = niceStep(high - low, 6);
    const double first = std::ceil(low / step);
    const double count = std::floor(high / step) - first + 1;
    Ticks ticks{{}, std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6)};
    for (std::size_t i = 0; static_cast<double>(i) < count && i < kMaxTicks; ++i) {
        ticks.values.push_back((first + static_cast<double>(i)) * step);
    }
    return ticks;
}

std::string formatNumber(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(buffer.data(), end);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

// A drawing coordinate: finite, or the chart is not drawn at all.
std::string at(double value) {
    if (!std::isfinite(value)) {
        throw ChartError("a coordinate is not a finite number");
    }
    std::string text = formatNumber(value, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + escapeMarkup(value) + "\"";
}

class Svg {
  public:
    Svg() { out.imbue(std::locale::classic()); }

    std::ostringstream out;

    void line(double x1, double y1, double x2, double y2, const std::string& style,
              const std::string& title = {}) {
        out << "  <line x1=\"" << at(x1) << "\" y1=\"" << at(y1) << "\" x2=\"" << at(x2)
            << "\" y2=\"" << at(y2) << '"' << style;
        closeWith(title, "line");
    }
    void rect(double x, double y, double w, double h, const std::string& style) {
        out << "  <rect x=\"" << at(x) << "\" y=\"" << at(y) << "\" width=\"" << at(w)
            << "\" height=\"" << at(h) << '"' << style << "/>\n";
    }
    void circle(double x, double y, double r, const std::string& style,
                const std::string& title = {}) {
        out << "  <circle cx=\"" << at(x) << "\" cy=\"" << at(y) << "\" r=\"" << at(r) << '"'
            << style;
        closeWith(title, "circle");
    }
    void text(double x, double y, std::string_view content, const std::string& style = {}) {
        out << "  <text x=\"" << at(x) << "\" y=\"" << at(y) << '"' << style << '>'
            << escapeMarkup(content) << "</text>\n";
    }

  private:
    void closeWith(const std::string& title, std::string_view element) {
        if (title.empty()) {
            out << "/>\n";
        } else {
            out << "><title>" << escapeMarkup(title) << "</title></" << element << ">\n";
        }
    }
};

// How each band edge's line is drawn. The analog high and the digital low
// edge share a frequency and a gain, so their lines coincide: the digital low
// edge is a wide pale line and the analog high edge runs along it in dashes.
struct EdgeStyle {
    std::string_view colour;
    double width;
    double opacity;
    std::string_view dashes;
};

constexpr std::array<EdgeStyle, 4> kEdgeStyles{{
    {kAnalogColour, 2, 1, ""},
    {kAnalogColour, 2, 1, "8 5"},
    {kDigitalColour, 7, 0.4, ""},
    {kDigitalColour, 2, 1, "2 3"},
}};

// Wide lines first, so the thin ones stay visible on top of them.
constexpr std::array<std::size_t, 4> kDrawingOrder{2, 0, 3, 1};

std::string strokeOf(const EdgeStyle& style) {
    std::string stroke =
        attribute("stroke", style.colour) + attribute("stroke-width", at(style.width));
    if (style.opacity < 1) {
        stroke += attribute("stroke-opacity", at(style.opacity));
    }
    if (!style.dashes.empty()) {
        stroke += attribute("stroke-dasharray", style.dashes);
    }
    return stroke;
}

// The lengths the chart shows without runs.
double lengthSpan(const Distances& distances) {
    const double longest = std::max({distances.analog.maximum, distances.digital.maximum,
                                     distances.analog.minimum, distances.digital.minimum});
    return longest > 0 ? longest * 1.1 : kEmptyLengthSpan;
}

// Hatching at its own angle and weight per receiver window, so that the two
// tell apart in grey and where both windows apply the hatching crosses:
// diagonal and thin for the analog window, horizontal and heavier for the
// digital one. Each stripe is drawn cut to its rectangle, since Qt SVG (the
// planner's chart and its print) draws no <pattern>.
struct Hatch {
    std::string_view colour;
    double degrees;  // the direction across the stripes, from the x axis
    double width;    // of a stripe
};
constexpr double kHatchSpacing = 9;
constexpr Hatch kAnalogHatch{kAnalogColour, 45, 0.75};
constexpr Hatch kDigitalHatch{kDigitalColour, 90, 1.5};

struct Point {
    double x;
    double y;
};

// The part of a convex polygon on one side of a line across the stripes.
std::vector<Point> cut(const std::vector<Point>& polygon, Point across, double line,
                       bool keepBelow) {
    const auto place = [&](Point p) { return p.x * across.x + p.y * across.y; };
    const auto kept = [&](Point p) { return keepBelow ? place(p) <= line : place(p) >= line; };
    std::vector<Point> piece;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point from = polygon[i];
        const Point to = polygon[(i + 1) % polygon.size()];
        if (kept(from) != kept(to)) {
            const double t = (line - place(from)) / (place(to) - place(from));
            piece.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
        }
        if (kept(to)) {
            piece.push_back(to);
        }
    }
    return piece;
}

void hatch(Svg& svg, double x, double y, double w, double h, const Hatch& style) {
    const double radians = style.degrees * std::numbers::pi / 180;
    const Point across{std::cos(radians), std::sin(radians)};
    const std::vector<Point> corners{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    double lowest = INFINITY;
    double highest = -INFINITY;
    for (const Point& corner : corners) {
        lowest = std::min(lowest, corner.x * across.x + corner.y * across.y);
        highest = std::max(highest, corner.x * across.x + corner.y * across.y);
    }
    std::string path;
    for (double k = std::floor(lowest / kHatchSpacing); k * kHatchSpacing < highest; ++k) {
        const double stripe = k * kHatchSpacing;
        const std::vector<Point> piece =
            cut(cut(corners, across, stripe, false), across, stripe + style.width, true);
        if (piece.size() < 3) {
            continue;  // only touches the rectangle
        }
        for (std::size_t i = 0; i < piece.size(); ++i) {
            path += (i == 0 ? "M" : "L") + at(piece[i].x) + ' ' + at(piece[i].y);
        }
        path += 'Z';
    }
    if (!path.empty()) {
        svg.out << "  <path" << attribute("d", path) << attribute("fill", style.colour)
                << " fill-opacity=\"0.35\"/>\n";
    }
}

void legend(Svg& svg, const ChartInputs& chart, std::size_t passed, std::size_t failed) {
    double y = kTop + 4;
    for (std::size_t i = 0; i < kEdgeStyles.size(); ++i) {
        svg.line(kLegendX, y, kLegendX + 30, y, strokeOf(kEdgeStyles[i]));
        svg.text(
            kLegendX + 38, y + 4,
            std::string(kEdgeNames[i]) + " (" + megahertzText(chart.plan[i].frequencyMHz) + ")");
        y += 19;
    }
    const std::string shared = megahertzText(chart.plan[1].frequencyMHz);
    for (const std::string& note :
         {"Both at " + shared + ": where they coincide,",
          std::string("the dashed analog line runs on the wide pale one.")}) {
        svg.text(kLegendX, y + 2, note, " font-size=\"11\" fill=\"#333\"");
        y += 14;
    }
    y += 10;
    const std::array<std::tuple<bool, bool, std::string_view>, 3> windows{{
        {true, false, "analog receiver window"},
        {false, true, "digital receiver window"},
        {true, true, "both windows (hatching crosses)"},
    }};
    for (const auto& [analog, digital, name] : windows) {
        if (analog) {
            hatch(svg, kLegendX, y - 8, 30, 14, kAnalogHatch);
        }
        if (digital) {
            hatch(svg, kLegendX, y - 8, 30, 14, kDigitalHatch);
        }
        svg.rect(kLegendX, y - 8, 30, 14, " fill=\"none\" stroke=\"#999\"");
        svg.text(kLegendX + 38, y + 4, name);
        y += 20;
    }
    svg.rect(kLegendX, y - 8, 30, 14,
             attribute("fill", kWorstColour) + " fill-opacity=\"0.15\" stroke=\"#999\"");
    svg.text(kLegendX + 38, y + 4, "worst-case lengths");
    y += 26;
    if (passed + failed == 0) {
        return;
    }
    svg.circle(kLegendX + 15, y, 4.5,
               attribute("stroke", kPassColour) + " fill=\"none\" stroke-width=\"2\"");
    svg.text(kLegendX + 38, y + 4, "run that passes (" + std::to_string(passed) + ")");
    y += 20;
    svg.line(kLegendX + 10, y - 5, kLegendX + 20, y + 5,
             attribute("stroke", kFailColour) + " stroke-width=\"2.5\"");
    svg.line(kLegendX + 10, y + 5, kLegendX + 20, y - 5,
             attribute("stroke", kFailColour) + " stroke-width=\"2.5\"");
    svg.text(kLegendX + 38, y + 4, "run that fails (" + std::to_string(failed) + ")");
}

std::string runsTitle(const RunMarks::Mark& mark, double resolution) {
    const std::size_t count = mark.passed + mark.failed;
    std::string title = std::to_string(count) + (count == 1 ? " run" : " runs");
    if (resolution > 0.01) {
        title += " from " + fixed(std::max(0.0, mark.meters - resolution / 2)) + " to " +
                 fixed(mark.meters + resolution / 2) + " m";
    } else {
        title += " at " + fixed(mark.meters) + " m";
    }
    return title + ": " + std::to_string(mark.passed) + " pass, " + std::to_string(mark.failed) +
           " fail";
}

void runStrip(Svg& svg, const Axis& meters, const RunMarks& runs) {
    svg.text(kLeft - 8, kRunsY + 4, "runs", " text-anchor=\"end\"");
    svg.line(kLeft, kRunsY, kRight, kRunsY, " stroke=\"#ccc\"");
    for (const RunMarks::Mark& mark : runs.marks()) {
        const double x = meters.at(mark.meters);
        const std::string title = runsTitle(mark, runs.resolutionMeters());
        const std::string where = attribute("data-length-m", fixed(mark.meters));
        if (mark.passed > 0) {
            svg.circle(x, kRunsY, 4.5,
                       " class=\"run pass\"" + where + attribute("stroke", kPassColour) +
                           " fill=\"none\" stroke-width=\"2\"",
                       title);
        }
        if (mark.failed > 0) {
            const std::string style = " class=\"run fail\"" + where +
                                      attribute("stroke", kFailColour) + " stroke-width=\"2.5\"";
            svg.line(x - 5, kRunsY - 5, x + 5, kRunsY + 5, style, title);
            svg.line(x - 5, kRunsY + 5, x + 5, kRunsY - 5,
                     " stroke-width=\"2.5\"" + attribute("stroke", kFailColour));
        }
    }
    std::string note;
    if (runs.resolutionMeters() > 0.01) {
        note = "each mark stands for the runs within " + fixed(runs.resolutionMeters() / 2) +
               " m of it";
    }
    if (runs.onOtherInputs() > 0) {
        note += std::string(note.empty() ? "" : "; ") + std::to_string(runs.onOtherInputs()) +
                " on another cable or product, marked by their own verdict";
    }
    if (runs.beyondLimit() > 0) {
        note += std::string(note.empty() ? "" : "; ") + std::to_string(runs.beyondLimit()) +
                " longer than " + fixed(runs.limitMeters()) + " m not drawn";
    }
    if (!note.empty()) {
        svg.text(kLeft, kRunsY + 20, note, " font-size=\"11\" fill=\"#333\"");
    }
}

std::string chartOf(const ChartInputs& chart, const RunMarks& runs) {
    const CalculationInputs& inputs = chart.inputs;
    const LevelUnit unit = chart.unit;
    const Distances distances = calculateDistances(inputs);
    const Axis meters = axisOver(0, std::max(lengthSpan(distances), runs.longestMeters() * 1.05),
                                 kLeft, kRight, kEmptyLengthSpan);
    const EdgeLevels atStart = levelsAtLength(inputs, chart.plan, 0);
    const EdgeLevels atEnd = levelsAtLength(inputs, chart.plan, meters.high);

    std::vector<double> levels{inputs.analog.minimum, inputs.digital.minimum, inputs.analog.maximum,
                               inputs.digital.maximum};
    for (std::size_t i = 0; i < atStart.size(); ++i) {
        levels.push_back(atStart[i].received);
        levels.push_back(atEnd[i].received);
    }
    for (double& value : levels) {
        value = fromDbmv(value, unit);
    }
    const auto [lowest, highest] = std::minmax_element(levels.begin(), levels.end());
    const double pad = (*highest - *lowest) * 0.05;
    const Axis levelAxis = axisOver(*lowest - pad, *highest + pad, kBottom, kTop, kEmptyLevelSpan);

    Svg svg;
    svg.out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << at(kWidth) << "\" height=\""
            << at(kHeight) << "\" viewBox=\"0 0 " << at(kWidth) << ' ' << at(kHeight)
            << "\" font-family=\"sans-serif\" font-size=\"12\" role=\"img\">\n"
            << "  <title>Received level against cable length</title>\n";
    svg.rect(0, 0, kWidth, kHeight, " fill=\"white\"");
    svg.text(kWidth / 2, 28, "Received level against cable length",
             " text-anchor=\"middle\" font-size=\"16\" font-weight=\"bold\"");
    svg.text(kWidth / 2, 50,
             "Input " + levelText(inputs.levelIn, unit) + " \u00b7 " +
                 std::string(productLabel(inputs.productPosition)) + " \u00b7 " +
                 std::string(cableLabel(inputs.cableIndex)) + " \u00b7 analog " +
                 megahertzText(chart.plan[0].frequencyMHz) + " to " +
                 megahertzText(chart.plan[1].frequencyMHz) + ", digital " +
                 megahertzText(chart.plan[2].frequencyMHz) + " to " +
                 megahertzText(chart.plan[3].frequencyMHz),
             " text-anchor=\"middle\" class=\"caption\"");
    svg.text(kWidth / 2, 68,
             "Receiver windows: analog " + levelText(inputs.analog.minimum, unit) + " to " +
                 levelText(inputs.analog.maximum, unit) + ", digital " +
                 levelText(inputs.digital.minimum, unit) + " to " +
                 levelText(inputs.digital.maximum, unit),
             " text-anchor=\"middle\" class=\"caption\"");

    // The receiver windows and the worst-case lengths, behind everything else.
    const std::array<std::pair<const ReceiverWindow*, const Hatch*>, 2> windows{{
        {&inputs.analog, &kAnalogHatch},
        {&inputs.digital, &kDigitalHatch},
    }};
    for (const auto& [window, style] : windows) {
        const double top = levelAxis.at(fromDbmv(std::max(window->minimum, window->maximum), unit));
        const double bottom =
            levelAxis.at(fromDbmv(std::min(window->minimum, window->maximum), unit));
        hatch(svg, kLeft, top, kRight - kLeft, std::max(bottom - top, 1.0), *style);
    }
    const EdgeLevels& edges = atStart;
    if (!noLengthWorks(edges, EdgeSet::Both, distances.worstCase)) {
        const double from = meters.at(distances.worstCase.minimum);
        svg.rect(from, kTop, std::max(meters.at(distances.worstCase.maximum) - from, 1.0),
                 kBottom - kTop, attribute("fill", kWorstColour) + " fill-opacity=\"0.15\"");
    }

    // Axes: metres below, feet above, levels at the left.
    svg.rect(kLeft, kTop, kRight - kLeft, kBottom - kTop, " fill=\"none\" stroke=\"#444\"");
    const Ticks meterTicks = ticksOver(meters.low, meters.high);
    for (const double value : meterTicks.values) {
        const double x = meters.at(value);
        svg.line(x, kBottom, x, kBottom + 5, " stroke=\"#444\"");
        svg.text(x, kBottom + 18, formatNumber(value, meterTicks.decimals),
                 " text-anchor=\"middle\" class=\"tick-m\"");
    }
    const Ticks feetTicks = ticksOver(0, MetersToFeet(meters.high));
    for (const double value : feetTicks.values) {
        const double x = meters.at(FeetToMeters(value));
        svg.line(x, kTop - 5, x, kTop, " stroke=\"#444\"");
        svg.text(x, kTop - 9, formatNumber(value, feetTicks.decimals),
                 " text-anchor=\"middle\" class=\"tick-ft\"");
    }
    const Ticks levelTicks = ticksOver(levelAxis.low, levelAxis.high);
    for (const double value : levelTicks.values) {
        const double y = levelAxis.at(value);
        svg.line(kLeft - 5, y, kLeft, y, " stroke=\"#444\"");
        svg.line(kLeft, y, kRight, y, " stroke=\"#000\" stroke-opacity=\"0.08\"");
        svg.text(kLeft - 8, y + 4, formatNumber(value, levelTicks.decimals),
                 " text-anchor=\"end\"");
    }
    svg.text((kLeft + kRight) / 2, kBottom + 38, "Cable length (m)", " text-anchor=\"middle\"");
    svg.text((kLeft + kRight) / 2, kTop - 30, "Cable length (ft)", " text-anchor=\"middle\"");
    const std::string middle = at((kTop + kBottom) / 2);
    svg.text(22, (kTop + kBottom) / 2, "Received level (" + std::string(unitLabel(unit)) + ")",
             " text-anchor=\"middle\" transform=\"rotate(-90 22 " + middle + ")\"");

    // One line per band edge: the level falls in a straight line with length.
    for (const std::size_t i : kDrawingOrder) {
        svg.line(
            meters.at(0), levelAxis.at(fromDbmv(atStart[i].received, unit)), meters.at(meters.high),
            levelAxis.at(fromDbmv(atEnd[i].received, unit)),
            strokeOf(kEdgeStyles[i]) + " class=\"series\"" + attribute("data-edge", kEdgeNames[i]));
    }

    std::size_t passed = 0;
    std::size_t failed = 0;
    for (const RunMarks::Mark& mark : runs.marks()) {
        passed += mark.passed;
        failed += mark.failed;
    }
    if (runs.total() > 0) {
        runStrip(svg, meters, runs);
    }

    // Allowed lengths under the plot, or why there are none.
    const double rowsTop = kRunsY + 42;
    svg.text(kLeft, rowsTop, "Allowed cable lengths", " font-weight=\"bold\"");
    const std::array<std::tuple<std::string_view, std::string_view, EdgeSet, DistanceRange>, 3>
        rows{{
            {"analog", kAnalogColour, EdgeSet::Analog, distances.analog},
            {"digital", kDigitalColour, EdgeSet::Digital, distances.digital},
            {"worst case", kWorstColour, EdgeSet::Both, distances.worstCase},
        }};
    double y = rowsTop + 22;
    for (const auto& [name, colour, set, range] : rows) {
        svg.text(kLeft - 8, y + 4, name, " text-anchor=\"end\"");
        if (const auto shortfall = noLengthWorks(edges, set, range)) {
            svg.text(kLeft, y + 4,
                     "no length works: " +
                         std::string(set == EdgeSet::Both ? "the windows are" : "the window is") +
                         " " +
                         (!belowZeroAsPrinted(-*shortfall) ? "less than 0.01" : fixed(*shortfall)) +
                         " dB too narrow",
                     attribute("fill", colour) + " class=\"no-length\"");
        } else {
            const double from = meters.at(range.minimum);
            const double to = meters.at(range.maximum);
            svg.rect(from, y - 6, std::max(to - from, 2.0), 12, attribute("fill", colour));
            const std::string label = fixed(range.minimum) + " to " + fixed(range.maximum) + " m";
            if (to + 130 < kWidth) {
                svg.text(to + 6, y + 4, label);
            } else {
                svg.text(from - 6, y + 4, label, " text-anchor=\"end\"");
            }
        }
        y += 22;
    }

    legend(svg, chart, passed, failed);
    svg.out << "</svg>\n";
    return svg.out.str();
}

}  // namespace

RunMarks runMarksFor(const ChartInputs& chart) {
    try {
        return RunMarks(std::max(10 * lengthSpan(calculateDistances(chart.inputs)), 1000.0));
    } catch (const ArithmeticError& error) {
        throw ChartError(std::string("its arithmetic fails: ") + error.what());
    }
}

std::string renderChart(const ChartInputs& chart, const RunMarks& runs) {
    try {
        return chartOf(chart, runs);
    } catch (const ArithmeticError& error) {
        throw ChartError(std::string("its arithmetic fails: ") + error.what());
    }
}

}  // namespace tarvelle::planning
