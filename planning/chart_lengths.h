#pragma once

// The allowed lengths under the chart's plot, on its length scale: by band
// for the product and cable the lines are drawn for, then the worst case on
// each product and cable the runs use, so that every run can be read against
// the lengths its own cable allows.

#include <cstddef>
#include <vector>

#include "engine/distance_calculation.h"
#include "planning/plan_inputs.h"
#include "planning/run_marks.h"
#include "planning/scenario.h"
#include "planning/svg_writer.h"

namespace tarvelle::planning {

struct UsedCable {
    Combination on;
    Distances distances;
    EdgeLevels edges;  // at 0 m
    std::size_t runs;
};

// In table order, cable first. Throws ArithmeticError when a distance overflows.
std::vector<UsedCable> usedCables(const Scenario& chart, const RunMarks& runs);

// Draws the rows from `top` down, keeping labels left of `right`, and
// returns the y below them.
double drawAllowedLengths(Svg& svg, const Scale& meters, const Scenario& chart,
                          const std::vector<UsedCable>& used, double top, double right);

}  // namespace tarvelle::planning
