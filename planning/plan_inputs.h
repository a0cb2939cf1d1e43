#pragma once

// The inputs a plan is worked from, as plain values: the scenario shared by
// every run, and one run on its own cable and product. A run is judged by
// the one verdict rule: it fails only when a margin, as printed to 0.01 dB,
// is below zero.

#include <cstdint>

#include "engine/distance_calculation.h"

namespace tarvelle::planning {

struct PlanScenario {
    double levelIn = 0;  // dBmV put into the cable at the source
    ReceiverWindow analog;
    ReceiverWindow digital;
    int plan = 2;  // frequency plan 1 or 2
};

// A product configuration on a cable category, as rows of the engine's tables.
struct Combination {
    std::int16_t product = 0;
    std::int16_t cable = 0;
    bool operator==(const Combination&) const = default;
};

struct PlanRun {
    double meters = 0;
    Combination combination;  // must name rows of both tables
};

const FrequencyPlan& frequencyPlan(const PlanScenario& scenario);
CalculationInputs inputsFor(const PlanScenario& scenario, const Combination& combination);

struct RunCheck {
    EdgeLevels edges;
    bool pass = true;
    double margin = 0;          // the smallest of the eight margins, dB
    bool aboveMaximum = false;  // some edge fails its window's maximum
    bool belowMinimum = false;  // some edge fails its window's minimum
};

// The verdict rule of planning/verdict.h; throws ArithmeticError when the
// levels overflow.
RunCheck checkRun(const PlanScenario& scenario, const PlanRun& run);

}  // namespace tarvelle::planning
