#pragma once

// The calculation as plain values: the levels, the list positions and the
// frequency plan in; the six distances out, and the level a run of a given
// length delivers at each band edge. The window and tarvelle-cli both come
// here; neither fakes the other to reach it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/distance_model.h"
#include "engine/product_table.h"

namespace tarvelle {

// A receiver's window of acceptable levels, dBmV.
struct ReceiverWindow {
    double minimum = 0;
    double maximum = 0;
};

struct CalculationInputs {
    double levelIn = 0;  // dBmV put into the cable at the source
    ReceiverWindow analog;
    ReceiverWindow digital;
    std::int16_t productPosition = 0;  // a row of the product table; others have no gain
    std::int16_t cableIndex = 0;       // a row of the cable table; others compute nothing
    // Read from two option buttons: plan 1 is evaluated, then plan 2; with
    // neither, every distance stays 0.
    bool plan1 = false;
    bool plan2 = true;
};

// The shortest and longest allowed run, metres.
struct DistanceRange {
    double minimum = 0;
    double maximum = 0;
};

// The six distances, in the order the window shows them.
enum class Distance {
    AnalogMinimum,
    AnalogMaximum,
    DigitalMinimum,
    DigitalMaximum,
    WorstCaseMinimum,
    WorstCaseMaximum,
};
inline constexpr std::size_t kDistanceCount = 6;

struct Distances {
    DistanceRange analog;
    DistanceRange digital;
    DistanceRange worstCase;

    double operator[](Distance distance) const;
    // The window warns when a band's minimum exceeds its maximum; the worst
    // case may cross while both bands are in order, and then it does not.
    bool analogCrossed() const { return analog.minimum > analog.maximum; }
    bool digitalCrossed() const { return digital.minimum > digital.maximum; }
    bool warns() const { return analogCrossed() || digitalCrossed(); }
};

// Throws ArithmeticError at the step that overflows, divides by zero or is
// invalid; nothing is returned then.
Distances calculateDistances(const CalculationInputs& inputs);

// Feet then metres for each distance in display order, in the "Fixed" format.
std::array<std::string, 2 * kDistanceCount> resultTexts(const Distances& distances,
                                                        std::string_view decimalSeparator);

// What a run of a given length delivers at one band edge.
struct EdgeLevel {
    EvaluationPoint point;
    double levelIntoCable = 0;  // input level plus product gain, dBmV
    double lossPer100m = 0;     // the cable's attenuation at this frequency, dB
    double received = 0;        // at the receiver, dBmV
    ReceiverWindow window;      // the band's receiver window
};

using EdgeLevels = std::array<EdgeLevel, 4>;

// The four band edges of the plan for a run of lengthMeters on the inputs'
// cable and product. The cable index must name a row of the cable table.
EdgeLevels levelsAtLength(const CalculationInputs& inputs, const FrequencyPlan& plan,
                          double lengthMeters);

// The same four edges at another length: each edge's loss per metre is the
// cable's and does not change from run to run, so a batch works it out once.
inline EdgeLevels levelsAtLength(EdgeLevels edges, double lengthMeters) {
    for (EdgeLevel& edge : edges) {
        edge.received =
            (edge.levelIntoCable - Checked(cableLoss(edge.lossPer100m, lengthMeters))).value();
    }
    return edges;
}

// How much more the run loses at a band's high edge than at its low edge, dB.
double cableTilt(const EdgeLevel& lowEdge, const EdgeLevel& highEdge, double lengthMeters);

}  // namespace tarvelle
