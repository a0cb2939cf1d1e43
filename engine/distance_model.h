#pragma once

// The level budget of one cable run: the received level at d metres is
// (input level + gain) - alpha(f) * d / 100. Every step is checked and raises
// ArithmeticError on overflow, division by zero or an invalid operation.

#include <cstdint>

#include "engine/cable_table.h"
#include "engine/checked_math.h"

namespace tarvelle {

double FeetToMeters(double feet);
// Inline, as cableLoss below: a batch check calls both for every run.
inline double MetersToFeet(double meters) {
    return (Checked(meters) / kMetersPerFoot).value();
}

// Both return the first argument on a tie.
double Min(double val1, double val2);
double Max(double val1, double val2);

// Adds 1 to the first argument, then to the second.
void test(double& first, double& second);

// Cable attenuation in dB per 100 m at f MHz.
double attenuationPer100m(const CableCategory& cable, double frequencyMHz);

// What a run of lengthMeters loses at f MHz, dB.
double cableLoss(const CableCategory& cable, double frequencyMHz, double lengthMeters);

// What a run of lengthMeters loses at a frequency where the cable loses
// lossPer100m dB per 100 m, dB.
inline double cableLoss(double lossPer100m, double lengthMeters) {
    return (Checked(lossPer100m) * lengthMeters / kReferenceLengthMeters).value();
}

// Writes the shortest run that keeps the receiver at or below levelMax into
// minDistance and the longest that keeps it at or above levelMin into
// maxDistance, in metres. A cable index outside the table computes nothing
// and leaves the incoming values; either way a negative output becomes 0.
// An output written before a later step fails keeps its new value.
void BandEdgeDistances(double levelIn, double gain, double frequencyMHz, double levelMin,
                       double levelMax, std::int16_t cableIndex, double& minDistance,
                       double& maxDistance);

}  // namespace tarvelle
