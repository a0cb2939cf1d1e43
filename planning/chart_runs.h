#pragma once

// The runs under the chart's plot, on its length scale: how many pass and
// fail in each band of length, as bars and as numbers, so that 10 runs and a
// million read alike.

#include "planning/run_marks.h"
#include "planning/svg_writer.h"

namespace tarvelle::planning {

// How wide a band is on a length axis over `range` metres with ticks
// `tickStep` apart: bands divide the step, some 10 to 25 across the axis.
double runBandWidth(const RunMarks& runs, double tickStep, double range);

// Draws the bands from `top` down and returns the y below them. `tickStep`
// is the step of the length axis's ticks; a band beyond the axis is cut at
// its end.
double drawRunBands(Svg& svg, const Scale& meters, double tickStep, const RunMarks& runs,
                    double top);

// The legend's entries for a band's two parts, from `y` down.
void runBandsLegend(Svg& svg, double x, double y, const RunMarks& runs);

}  // namespace tarvelle::planning
