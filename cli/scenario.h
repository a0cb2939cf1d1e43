#pragma once

// One set of inputs, as the window would take them, and what the engine makes
// of them: the six distances and, for a given length, the level budget.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cable_table.h"
#include "options.h"
#include "product_table.h"

namespace tarvelle::cli {

// Input the engine refuses: one line, in the window's words where it has some.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr std::array<std::string_view, 6> kDistanceNames{
    "analog minimum",  "analog maximum",     "digital minimum",
    "digital maximum", "worst-case minimum", "worst-case maximum",
};

struct Distances {
    // Feet then metres for each distance, exactly as the window shows them.
    std::array<std::string, 12> texts;
    std::array<double, 6> meters;
    std::optional<std::string> warning;
};

// Runs the window's calculation on the options' inputs; an arithmetic fault
// comes out as the engine's ArithmeticError.
Distances computeDistances(const Options& options);

struct Scenario {
    double levelIn;
    double minimum[2];  // analog, digital receiver minimums
    double maximum[2];
    ProductGains gains;
    CableCategory cable;
    FrequencyPlan plan;
};

// The inputs as numbers; call after computeDistances has accepted them.
Scenario scenarioOf(const Options& options);

inline constexpr std::array<std::string_view, 4> kEdgeNames{
    "analog low edge", "analog high edge", "digital low edge", "digital high edge"};

struct EdgeBudget {
    std::string_view name;
    double frequencyMHz;
    double sourceLevel;  // input level plus product gain, dBmV
    double lossPer100m;  // dB
    double received;     // dBmV at the run's length
    double minimum;
    double maximum;
    double marginToMinimum() const { return received - minimum; }
    double marginToMaximum() const { return maximum - received; }
};

struct Budget {
    double lengthMeters;
    std::array<EdgeBudget, 4> edges;
    // Loss at a band's high edge minus loss at its low edge over the run, dB.
    double analogTilt;
    double digitalTilt;
};

Budget levelBudget(const Scenario& scenario, double lengthMeters);

}  // namespace tarvelle::cli
