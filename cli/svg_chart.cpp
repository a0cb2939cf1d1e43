#include "cli/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "engine/distance_model.h"

namespace tarvelle::cli {

namespace {

// The drawing area, in SVG user units.
constexpr double kWidth = 960;
constexpr double kHeight = 560;
constexpr double kLeft = 80;
constexpr double kRight = 690;
constexpr double kTop = 80;
constexpr double kBottom = 390;

constexpr const char* kAnalogColour = "#1f5fbf";
constexpr const char* kDigitalColour = "#c0392b";
constexpr const char* kWorstColour = "#2e8b57";

struct Axis {
    double low;
    double high;
    double from;  // drawing coordinate of low
    double to;    // drawing coordinate of high
    double at(double value) const { return from + (value - low) / (high - low) * (to - from); }
};

// A round step giving about `count` intervals over `range`.
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

std::vector<double> ticks(double low, double high) {
    const double step = niceStep(high - low, 6);
    std::vector<double> values;
    for (double value = std::ceil(low / step) * step; value <= high + step * 1e-9; value += step) {
        values.push_back(std::abs(value) < step * 1e-9 ? 0 : value);
    }
    return values;
}

std::string number(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(2);
    out << std::fixed << value;
    std::string text = out.str();
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

class Svg {
  public:
    std::ostringstream out;

    Svg() { out.imbue(std::locale::classic()); }

    void line(double x1, double y1, double x2, double y2, const std::string& style) {
        out << "  <line x1=\"" << number(x1) << "\" y1=\"" << number(y1) << "\" x2=\"" << number(x2)
            << "\" y2=\"" << number(y2) << "\" " << style << "/>\n";
    }
    void rect(double x, double y, double w, double h, const std::string& style) {
        out << "  <rect x=\"" << number(x) << "\" y=\"" << number(y) << "\" width=\"" << number(w)
            << "\" height=\"" << number(h) << "\" " << style << "/>\n";
    }
    void text(double x, double y, const std::string& content, const std::string& style = {}) {
        out << "  <text x=\"" << number(x) << "\" y=\"" << number(y) << "\" " << style << '>'
            << content << "</text>\n";
    }
};

}  // namespace

std::string renderChart(const Scenario& scenario, const Results& results) {
    const Distances& distances = results.distances;
    const double longest = std::max({distances.analog.maximum, distances.digital.maximum,
                                     distances.analog.minimum, distances.digital.minimum});
    const Axis meters{0, longest > 0 ? longest * 1.1 : 10, kLeft, kRight};
    const Budget atZero = levelBudget(scenario, 0);
    const Budget atEnd = levelBudget(scenario, meters.high);

    const CalculationInputs& inputs = scenario.inputs;
    std::vector<double> levels{inputs.analog.minimum, inputs.digital.minimum, inputs.analog.maximum,
                               inputs.digital.maximum};
    for (std::size_t i = 0; i < 4; ++i) {
        levels.push_back(atZero.edges[i].received);
        levels.push_back(atEnd.edges[i].received);
    }
    double low = *std::min_element(levels.begin(), levels.end());
    double high = *std::max_element(levels.begin(), levels.end());
    const double pad = high > low ? (high - low) * 0.05 : 1;
    low -= pad;
    high += pad;
    const Axis dbmv{low, high, kBottom, kTop};
    if (!std::isfinite(meters.high) || !std::isfinite(high - low)) {
        throw InputError("the chart cannot be drawn: the levels are beyond its range");
    }

    Svg svg;
    svg.out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << number(kWidth)
            << "\" height=\"" << number(kHeight) << "\" viewBox=\"0 0 " << number(kWidth) << ' '
            << number(kHeight) << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
            << "  <title>Received level against cable length</title>\n";
    svg.rect(0, 0, kWidth, kHeight, "fill=\"white\"");
    svg.text(kWidth / 2, 26, "Received level against cable length",
             "text-anchor=\"middle\" font-size=\"16\" font-weight=\"bold\"");

    // Receiver windows and the worst-case lengths, behind everything else.
    const char* bandColours[2] = {kAnalogColour, kDigitalColour};
    const ReceiverWindow* receiverWindows[2] = {&inputs.analog, &inputs.digital};
    for (int band = 0; band < 2; ++band) {
        const ReceiverWindow& window = *receiverWindows[band];
        const double top = dbmv.at(std::max(window.minimum, window.maximum));
        const double bottom = dbmv.at(std::min(window.minimum, window.maximum));
        svg.rect(kLeft, top, kRight - kLeft, std::max(bottom - top, 1.0),
                 std::string("fill=\"") + bandColours[band] + "\" fill-opacity=\"0.12\"");
    }
    if (distances.worstCase.minimum <= distances.worstCase.maximum) {
        const double from = meters.at(distances.worstCase.minimum);
        svg.rect(from, kTop, std::max(meters.at(distances.worstCase.maximum) - from, 1.0),
                 kBottom - kTop,
                 std::string("fill=\"") + kWorstColour + "\" fill-opacity=\"0.12\"");
    }

    // Axes: metres below, feet above, levels at the left.
    svg.rect(kLeft, kTop, kRight - kLeft, kBottom - kTop, "fill=\"none\" stroke=\"#444\"");
    for (const double value : ticks(meters.low, meters.high)) {
        const double x = meters.at(value);
        svg.line(x, kBottom, x, kBottom + 5, "stroke=\"#444\"");
        svg.text(x, kBottom + 18, number(value), "text-anchor=\"middle\"");
    }
    for (const double value : ticks(0, MetersToFeet(meters.high))) {
        const double x = meters.at(FeetToMeters(value));
        svg.line(x, kTop - 5, x, kTop, "stroke=\"#444\"");
        svg.text(x, kTop - 9, number(value), "text-anchor=\"middle\"");
    }
    for (const double value : ticks(dbmv.low, dbmv.high)) {
        const double y = dbmv.at(value);
        svg.line(kLeft - 5, y, kLeft, y, "stroke=\"#444\"");
        svg.line(kLeft, y, kRight, y, "stroke=\"#ddd\"");
        svg.text(kLeft - 8, y + 4, number(value), "text-anchor=\"end\"");
    }
    svg.text((kLeft + kRight) / 2, kBottom + 38, "Cable length (m)", "text-anchor=\"middle\"");
    svg.text((kLeft + kRight) / 2, kTop - 30, "Cable length (ft)", "text-anchor=\"middle\"");
    svg.text(
        22, (kTop + kBottom) / 2, "Received level (dBmV)",
        "text-anchor=\"middle\" transform=\"rotate(-90 22 " + number((kTop + kBottom) / 2) + ")\"");

    // One line per band edge: the level falls linearly with the length. The
    // digital edges go first so that the analog high edge, which shares its
    // frequency with the digital low edge, stays visible on top of it.
    for (const std::size_t i : {2, 3, 0, 1}) {
        const bool analog = i < 2;
        const bool highEdge = i % 2 == 1;
        svg.line(meters.at(0), dbmv.at(atZero.edges[i].received), meters.at(meters.high),
                 dbmv.at(atEnd.edges[i].received),
                 std::string("stroke=\"") + (analog ? kAnalogColour : kDigitalColour) +
                     "\" stroke-width=\"2\"" + (highEdge ? " stroke-dasharray=\"6 4\"" : "") +
                     " class=\"series\"");
    }

    // Allowed lengths under the plot.
    const char* rowNames[3] = {"analog", "digital", "worst case"};
    const char* rowColours[3] = {kAnalogColour, kDigitalColour, kWorstColour};
    svg.text(kLeft, kBottom + 70, "Allowed cable lengths", "font-weight=\"bold\"");
    for (std::size_t row = 0; row < 3; ++row) {
        const double y = kBottom + 88 + 22 * static_cast<double>(row);
        const double from = distances[static_cast<Distance>(2 * row)];
        const double to = distances[static_cast<Distance>(2 * row + 1)];
        svg.text(kLeft - 8, y + 4, rowNames[row], "text-anchor=\"end\"");
        if (from <= to) {
            svg.rect(meters.at(from), y - 6, std::max(meters.at(to) - meters.at(from), 2.0), 12,
                     std::string("fill=\"") + rowColours[row] + "\"");
            svg.text(meters.at(to) + 6, y + 4,
                     results.texts[4 * row + 1] + " to " + results.texts[4 * row + 3] + " m");
        } else {
            svg.text(kLeft, y + 4, "none: the minimum distance exceeds the maximum",
                     std::string("fill=\"") + rowColours[row] + "\"");
        }
    }

    // Legend.
    const double legendX = kRight + 20;
    for (std::size_t i = 0; i < 4; ++i) {
        const double y = kTop + 10 + 20 * static_cast<double>(i);
        const bool analog = i < 2;
        svg.line(legendX, y, legendX + 28, y,
                 std::string("stroke=\"") + (analog ? kAnalogColour : kDigitalColour) +
                     "\" stroke-width=\"2\"" + (i % 2 == 1 ? " stroke-dasharray=\"6 4\"" : ""));
        svg.text(
            legendX + 36, y + 4,
            std::string(kEdgeNames[i]) + " (" + number(scenario.plan[i].frequencyMHz) + " MHz)");
    }
    const char* windows[3] = {"analog receiver window", "digital receiver window",
                              "worst-case lengths"};
    for (std::size_t i = 0; i < 3; ++i) {
        const double y = kTop + 100 + 20 * static_cast<double>(i);
        svg.rect(legendX, y - 7, 28, 12,
                 std::string("fill=\"") + rowColours[i] + "\" fill-opacity=\"0.25\"");
        svg.text(legendX + 36, y + 4, windows[i]);
    }
    svg.out << "</svg>\n";
    return svg.out.str();
}

}  // namespace tarvelle::cli
