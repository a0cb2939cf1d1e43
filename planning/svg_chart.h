#pragma once

// Received level against cable length at the four band edges, with both
// receiver windows; under it, on the same length scale, the runs counted per
// band of length, the allowed lengths of each band and of the worst case, and
// the worst-case lengths on each cable the runs use. The same chart goes into
// an SVG file, into the HTML report and into the planner window.

#include <stdexcept>
#include <string>

#include "engine/distance_calculation.h"
#include "planning/run_marks.h"
#include "planning/scenario.h"
#include "planning/units.h"

namespace tarvelle::planning {

// A chart that cannot be drawn, such as levels too large for the scale to
// tell apart: one line saying why.
struct ChartError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a chart is drawn for: a scenario.
using ChartInputs = Scenario;

// The counts for the runs of a chart on these inputs: runs up to ten times
// the lengths the chart shows without them (and at least 1 km) are drawn.
RunMarks runMarksFor(const ChartInputs& chart);

// An <svg> element that stands alone as a file and inline in HTML. Every
// coordinate is finite; throws ChartError when the chart cannot be drawn.
std::string renderChart(const ChartInputs& chart, const RunMarks& runs);

}  // namespace tarvelle::planning
