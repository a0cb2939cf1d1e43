#pragma once

// How far a run's received levels lie inside their receiver windows, and
// what it would take to bring them in.

#include <optional>

#include "engine/distance_calculation.h"

namespace tarvelle::planning {

// For a run too short for its levels: the flat attenuation, dB, that brings
// every edge to its maximum or below, and whether that alone is enough (no
// edge then falls below its minimum). None when no edge is above its maximum.
struct Attenuation {
    double db;
    bool enough;
};
std::optional<Attenuation> attenuationNeeded(const EdgeLevels& edges);

// Which band edges must lie within their windows together.
enum class EdgeSet { Analog, Digital, Both };

// The least widening of the receiver windows, dB, with which some length
// would keep every edge of the set within its window (summed over both
// windows for Both); 0 when a length already does. The levels may be taken
// at any length: only the level into the cable and the loss per 100 m count.
double windowShortfall(const EdgeLevels& edges, EdgeSet set);

// The shortfall when no length works for the set: when the range's minimum
// exceeds its maximum (however little), or when even the range the engine
// gives misses the window (its distances never fall below zero, so a level
// too low at 0 m still shows as 0.00 to 0.00).
std::optional<double> noLengthWorks(const EdgeLevels& edges, EdgeSet set,
                                    const DistanceRange& range);

}  // namespace tarvelle::planning
