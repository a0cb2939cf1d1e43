#pragma once

// One set of inputs, as the window would take them, and what the engine makes
// of them: the six distances and, for a given length, the level budget.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/checked_math.h"
#include "engine/distance_calculation.h"
#include "planning/units.h"

namespace tarvelle::planning {

// Indexed by Distance.
inline constexpr std::array<std::string_view, kDistanceCount> kDistanceNames{
    "analog minimum",  "analog maximum",     "digital minimum",
    "digital maximum", "worst-case minimum", "worst-case maximum",
};

// The options' inputs as numbers, with the plan they choose. The levels are
// in dBmV whatever the unit they were given and are shown in.
struct Scenario {
    CalculationInputs inputs;
    FrequencyPlan plan;
    LevelUnit unit = LevelUnit::DBmV;
};

// A run is judged to the 0.01 dB printed. Beyond this size a level swallows a
// cable's whole loss (1e20 - 5 is 1e20 in a double), and a run would pass
// unseen; the six distances need no such bound.
inline constexpr double kLargestCheckableLevel = 1e12;

struct Results {
    Distances distances;
    // Feet then metres for each distance, exactly as the window shows them.
    std::array<std::string, 2 * kDistanceCount> texts;
    std::optional<std::string> warning;
};

// An arithmetic fault comes out as the engine's ArithmeticError.
Results computeResults(const Scenario& scenario);

inline constexpr std::array<std::string_view, 4> kEdgeNames{
    "analog low edge", "analog high edge", "digital low edge", "digital high edge"};

struct Budget {
    double lengthMeters;
    EdgeLevels edges;
    // Loss at a band's high edge minus loss at its low edge over the run, dB.
    double analogTilt;
    double digitalTilt;
};

Budget levelBudget(const Scenario& scenario, double lengthMeters);

// dB; throws ArithmeticError when the difference overflows.
inline double marginToMinimum(const EdgeLevel& edge) {
    return (Checked(edge.received) - edge.window.minimum).value();
}
inline double marginToMaximum(const EdgeLevel& edge) {
    return (Checked(edge.window.maximum) - edge.received).value();
}

}  // namespace tarvelle::planning
