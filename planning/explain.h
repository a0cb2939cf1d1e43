#pragma once

// Plain words for what the figures mean: why no length works, what each
// column of a level budget holds, and how the levels of a band drift apart.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/distance_calculation.h"
#include "planning/margins.h"
#include "planning/units.h"

namespace tarvelle::planning {

// "No length works for the analog band: its receiver window is 3.21 dB too
// narrow for the levels at the outlet."
std::string noLengthWorksLine(EdgeSet set, double shortfall);

// One line for each of the analog band, the digital band and the worst case
// (in that order) for which no length works; none when every one has lengths.
std::vector<std::string> noLengthWorksLines(const CalculationInputs& inputs,
                                            const FrequencyPlan& plan, const Distances& distances);

// A level-budget column: its short heading and what it holds.
struct ColumnLabel {
    std::string heading;
    std::string meaning;
};

// MHz, into cable, loss/100m, cable loss, received, above min, below max.
std::array<ColumnLabel, 7> budgetColumns(LevelUnit unit);

// "Analog band, 55 to 550 MHz: cable tilt 16.83 dB (...); level difference at
// the outlet 1.83 dB (...)." The edges of one band, low then high.
std::string tiltLine(std::string_view bandName, const EdgeLevel& low, const EdgeLevel& high,
                     double lengthMeters);

}  // namespace tarvelle::planning
