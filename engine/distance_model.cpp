#include "engine/distance_model.h"

#include "engine/cable_table.h"
#include "engine/checked_math.h"

namespace tarvelle {

double FeetToMeters(double feet) {
    return (Checked(feet) * kMetersPerFoot).value();
}

double Min(double val1, double val2) {
    return val1 <= val2 ? val1 : val2;
}

double Max(double val1, double val2) {
    return val1 >= val2 ? val1 : val2;
}

void test(double& first, double& second) {
    first = (Checked(first) + 1).value();
    second = (Checked(second) + 1).value();
}

double attenuationPer100m(const CableCategory& cable, double frequencyMHz) {
    const Checked f = frequencyMHz;
    const Checked rootF = sqrt(f);
    return ((cable.a * f + cable.b * rootF) + cable.c / rootF).value();
}

double cableLoss(const CableCategory& cable, double frequencyMHz, double lengthMeters) {
    return cableLoss(attenuationPer100m(cable, frequencyMHz), lengthMeters);
}

void BandEdgeDistances(double levelIn, double gain, double frequencyMHz, double levelMin,
                       double levelMax, std::int16_t cableIndex, double& minDistance,
                       double& maxDistance) {
    // How far input level plus gain lies above each end of the receiver window.
    const Checked overMax = ((Checked(levelMax) - levelIn) - gain) * -1;
    const Checked overMin = ((Checked(levelMin) - levelIn) - gain) * -1;

    if (const auto cable = cableCategory(cableIndex)) {
        const double alpha = attenuationPer100m(*cable, frequencyMHz);
        minDistance = (overMax * kReferenceLengthMeters / alpha).value();
        maxDistance = (overMin * kReferenceLengthMeters / alpha).value();
    }
    if (minDistance < 0) {
        minDistance = 0;
    }
    if (maxDistance < 0) {
        maxDistance = 0;
    }
}

}  // namespace tarvelle
