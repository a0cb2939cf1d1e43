#include "planning/svg_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <tuple>
#include <vector>

#include "engine/arithmetic_error.h"
#include "engine/distance_model.h"
#include "planning/chart_lengths.h"
#include "planning/chart_palette.h"
#include "planning/chart_runs.h"
#include "planning/margins.h"
#include "planning/printed_number.h"
#include "planning/scenario.h"
#include "planning/svg_writer.h"
#include "planning/table_names.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

// The drawing, in SVG user units.
constexpr double kWidth = 960;
constexpr double kLeft = 90;
constexpr double kRight = 690;
constexpr double kTop = 118;
constexpr double kBottom = 380;
constexpr double kLegendX = kRight + 22;

// Lengths drawn without runs: a little beyond the longest band distance, or
// this much when every distance is 0.
constexpr double kEmptyLengthSpan = 10;
// A level axis over a single value spans this much around it, dB.
constexpr double kEmptyLevelSpan = 2;
// Ticks must be far apart compared with their size, or their labels and
// positions would coincide after rounding.
constexpr double kSmallestRelativeSpan = 1e-9;
constexpr std::size_t kMaxTicks = 12;

using Axis = Scale;

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
    double step;
};

// Counted, never stepped by adding: a step too small to change the value
// could otherwise never reach the end.
Ticks ticksOver(double low, double high) {
    const double step = niceStep(high - low, 6);
    const double first = std::ceil(low / step);
    const double count = std::floor(high / step) - first + 1;
    Ticks ticks{{}, std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6), step};
    for (std::size_t i = 0; static_cast<double>(i) < count && i < kMaxTicks; ++i) {
        ticks.values.push_back((first + static_cast<double>(i)) * step);
    }
    return ticks;
}

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

// From 0 to `longest`, or to the end of the last band of runs beyond it: the
// bands follow the axis's ticks, and the ticks its length.
Axis lengthAxis(double longest, const RunMarks& runs) {
    Axis axis = axisOver(0, longest, kLeft, kRight, kEmptyLengthSpan);
    for (int tries = 0; tries < 3 && runs.total() > runs.beyondLimit(); ++tries) {
        const double range = axis.high - axis.low;
        const double end = runs.bands(runBandWidth(runs, niceStep(range, 6), range)).back().to;
        if (end <= axis.high) {
            break;
        }
        axis = axisOver(0, end, kLeft, kRight, kEmptyLengthSpan);
    }
    return axis;
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
// digital one.
constexpr Hatch kAnalogHatch{kAnalogColour, 45, 0.75};
constexpr Hatch kDigitalHatch{kDigitalColour, 90, 1.5};

void legend(Svg& svg, const ChartInputs& chart, const RunMarks& runs) {
    double y = kTop + 4;
    for (std::size_t i = 0; i < kEdgeStyles.size(); ++i) {
        svg.line(kLegendX, y, kLegendX + 30, y, strokeOf(kEdgeStyles[i]));
        svg.text(
            kLegendX + 38, y + 4,
            std::string(kEdgeNames[i]) + " (" + megahertzText(chart.plan[i].frequencyMHz) + ")");
        y += 19;
    }
    const std::string shared = megahertzText(chart.plan[1].frequencyMHz);
    for (const std::string& note : {"Both at " + shared + ": where they coincide,",
                                    std::string("the analog dashes lie on the wide line.")}) {
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
            svg.hatch(kLegendX, y - 8, 30, 14, kAnalogHatch);
        }
        if (digital) {
            svg.hatch(kLegendX, y - 8, 30, 14, kDigitalHatch);
        }
        svg.rect(kLegendX, y - 8, 30, 14, " fill=\"none\" stroke=\"#999\"");
        svg.text(kLegendX + 38, y + 4, name);
        y += 20;
    }
    svg.rect(kLegendX, y - 8, 30, 14,
             attribute("fill", kWorstColour) + " fill-opacity=\"0.15\" stroke=\"#999\"");
    svg.text(kLegendX + 38, y + 4, "worst-case lengths");
    if (runs.total() > 0) {
        runBandsLegend(svg, kLegendX, y + 26, runs);
    }
}

std::string chartOf(const ChartInputs& chart, const RunMarks& runs) {
    const CalculationInputs& inputs = chart.inputs;
    const LevelUnit unit = chart.unit;
    const Distances distances = calculateDistances(inputs);
    // Long enough for the lines' allowed lengths, every run drawn and the
    // allowed lengths of every cable the runs use.
    const std::vector<UsedCable> used = usedCables(chart, runs);
    double longest = std::max(lengthSpan(distances), runs.longestMeters() * 1.05);
    for (const UsedCable& cable : used) {
        longest = std::max(longest, lengthSpan(cable.distances));
    }
    const Axis meters = lengthAxis(longest, runs);
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

    // The drawing's height depends on what goes under the plot: its elements
    // first, then the <svg> element around them.
    Svg svg;
    svg.text(kWidth / 2, 24, "Received level against cable length",
             " text-anchor=\"middle\" font-size=\"16\" font-weight=\"bold\"");
    svg.text(kWidth / 2, 44,
             "Input " + levelText(inputs.levelIn, unit) + " \u00b7 " +
                 std::string(productLabel(inputs.productPosition)) + " \u00b7 " +
                 std::string(cableLabel(inputs.cableIndex)) + " \u00b7 analog " +
                 megahertzText(chart.plan[0].frequencyMHz) + " to " +
                 megahertzText(chart.plan[1].frequencyMHz) + ", digital " +
                 megahertzText(chart.plan[2].frequencyMHz) + " to " +
                 megahertzText(chart.plan[3].frequencyMHz),
             " text-anchor=\"middle\" class=\"caption\"");
    svg.text(kWidth / 2, 61,
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
        svg.hatch(kLeft, top, kRight - kLeft, std::max(bottom - top, 1.0), *style);
    }
    if (!noLengthWorks(atStart, EdgeSet::Both, distances.worstCase)) {
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

    double below = kBottom + 46;
    if (runs.total() > 0) {
        below = drawRunBands(svg, meters, meterTicks.step, runs, below) + 6;
    }
    below = drawAllowedLengths(svg, meters, chart, used, below, kWidth);
    legend(svg, chart, runs);

    const double height = below + 6;
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << at(kWidth) << "\" height=\""
        << at(height) << "\" viewBox=\"0 0 " << at(kWidth) << ' ' << at(height)
        << "\" font-family=\"sans-serif\" font-size=\"12\" role=\"img\">\n"
        << "  <title>Received level against cable length</title>\n"
        << "  <rect x=\"0\" y=\"0\" width=\"" << at(kWidth) << "\" height=\"" << at(height)
        << "\" fill=\"white\"/>\n"
        << svg.out.str() << "</svg>\n";
    return out.str();
}

}  // namespace

RunMarks runMarksFor(const ChartInputs& chart) {
    try {
        return RunMarks(std::max(10 * lengthSpan(calculateDistances(chart.inputs)), 1000.0),
                        {chart.inputs.productPosition, chart.inputs.cableIndex});
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
