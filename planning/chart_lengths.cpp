#include "planning/chart_lengths.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

#include "engine/distance_model.h"
#include "planning/chart_palette.h"
#include "planning/margins.h"
#include "planning/printed_number.h"
#include "planning/table_names.h"
#include "planning/verdict.h"
#include "planning/wording.h"

namespace tarvelle::planning {

namespace {

constexpr double kRowStep = 18;
// Wide enough for a label's characters at the chart's font size.
constexpr double kCharacterWidth = 6.8;

struct Row {
    std::string label;
    std::string_view colour;
    EdgeSet set;
    DistanceRange range;
    const EdgeLevels* edges;
    std::string after;  // follows the lengths
};

// Draws a row at `y` and returns the next row's y. The lengths stand right of
// the bar, else left of it clear of the row's name, else on a line of their
// own under it.
double drawRow(Svg& svg, const Scale& meters, const Row& row, double y, double right) {
    svg.text(meters.from - 8, y + 4, row.label, " text-anchor=\"end\"");
    if (const auto shortfall = noLengthWorks(*row.edges, row.set, row.range)) {
        svg.text(meters.from, y + 4,
                 "no length works: " +
                     std::string(row.set == EdgeSet::Both ? "the windows are" : "the window is") +
                     " " +
                     (!belowZeroAsPrinted(-*shortfall) ? "less than 0.01" : fixed(*shortfall)) +
                     " dB too narrow" + row.after,
                 attribute("fill", row.colour) + " class=\"no-length\"");
        return y + kRowStep;
    }
    const double from = meters.at(row.range.minimum);
    const double to = meters.at(row.range.maximum);
    svg.rect(from, y - 5, std::max(to - from, 2.0), 10, attribute("fill", row.colour));
    const std::string label =
        fixed(row.range.minimum) + " to " + fixed(row.range.maximum) + " m" + row.after;
    const double width = static_cast<double>(label.size()) * kCharacterWidth;
    if (to + 6 + width < right) {
        svg.text(to + 6, y + 4, label);
    } else if (from - 6 - width > meters.from) {
        svg.text(from - 6, y + 4, label, " text-anchor=\"end\"");
    } else {
        svg.text(std::max(meters.from, std::min(from, right - width)), y + kRowStep + 4, label);
        return y + 2 * kRowStep;
    }
    return y + kRowStep;
}

}  // namespace

std::vector<UsedCable> usedCables(const Scenario& chart, const RunMarks& runs) {
    std::vector<UsedCable> used;
    for (std::int16_t cable = 0; cable < static_cast<std::int16_t>(kCableCategories.size());
         ++cable) {
        for (std::int16_t product = 0;
             product < static_cast<std::int16_t>(kProductConfigurations.size()); ++product) {
            const Combination on{product, cable};
            if (const std::size_t count = runs.runsOn(on); count > 0) {
                CalculationInputs inputs = chart.inputs;
                inputs.productPosition = product;
                inputs.cableIndex = cable;
                used.push_back(
                    {on, calculateDistances(inputs), levelsAtLength(inputs, chart.plan, 0), count});
            }
        }
    }
    return used;
}

double drawAllowedLengths(Svg& svg, const Scale& meters, const Scenario& chart,
                          const std::vector<UsedCable>& used, double top, double right) {
    const Distances distances = calculateDistances(chart.inputs);
    const EdgeLevels edges = levelsAtLength(chart.inputs, chart.plan, 0);
    svg.text(meters.from, top + 12,
             "Allowed cable lengths on " + std::string(cableLabel(chart.inputs.cableIndex)),
             " font-weight=\"bold\"");
    double y = top + 30;
    for (const Row& row : {
             Row{"analog", kAnalogColour, EdgeSet::Analog, distances.analog, &edges, {}},
             Row{"digital", kDigitalColour, EdgeSet::Digital, distances.digital, &edges, {}},
             Row{"worst case", kWorstColour, EdgeSet::Both, distances.worstCase, &edges, {}},
         }) {
        y = drawRow(svg, meters, row, y, right);
    }
    if (used.empty()) {
        return y - kRowStep + 8;
    }
    svg.text(meters.from, y + 6, "Worst-case lengths on each cable the runs use",
             " font-weight=\"bold\"");
    y += 24;
    const Combination shown{chart.inputs.productPosition, chart.inputs.cableIndex};
    for (const UsedCable& cable : used) {
        std::string after = ", " + counted(cable.runs, "run", "runs");
        if (cable.on.product != shown.product) {
            after += " on the " + std::string(productLabel(cable.on.product));
        }
        y = drawRow(svg, meters,
                    {std::string(cableLabel(cable.on.cable)), kWorstColour, EdgeSet::Both,
                     cable.distances.worstCase, &cable.edges, after},
                    y, right);
    }
    return y - kRowStep + 8;
}

}  // namespace tarvelle::planning
