#include "distance_model.h"

#include "cable_table.h"
#include "checked_math.h"

namespace tarvelle {

double FeetToMeters(double feet) {
    return checked::mul(feet, kMetersPerFoot);
}

double MetersToFeet(double meters) {
    return checked::div(meters, kMetersPerFoot);
}

double Min(double val1, double val2) {
    return val1 <= val2 ? val1 : val2;
}

double Max(double val1, double val2) {
    return val1 >= val2 ? val1 : val2;
}

void test(double& first, double& second) {
    first = checked::add(first, 1);
    second = checked::add(second, 1);
}

double attenuationPer100m(const CableCategory& cable, double frequencyMHz) {
    const double rootF = checked::sqrt(frequencyMHz);
    const double linear = checked::mul(cable.a, frequencyMHz);
    const double skin = checked::mul(cable.b, rootF);
    return checked::add(checked::add(linear, skin), checked::div(cable.c, rootF));
}

void BandEdgeDistances(double levelIn, double gain, double frequencyMHz, double levelMin,
                       double levelMax, std::int16_t cableIndex, double& minDistance,
                       double& maxDistance) {
    // How far input level plus gain lies above each end of the receiver window.
    const double overMax = checked::mul(checked::sub(checked::sub(levelMax, levelIn), gain), -1);
    const double overMin = checked::mul(checked::sub(checked::sub(levelMin, levelIn), gain), -1);

    if (const auto cable = cableCategory(cableIndex)) {
        const double alpha = attenuationPer100m(*cable, frequencyMHz);
        minDistance = checked::div(checked::mul(overMax, kReferenceLengthMeters), alpha);
        maxDistance = checked::div(checked::mul(overMin, kReferenceLengthMeters), alpha);
    }
    if (minDistance < 0) {
        minDistance = 0;
    }
    if (maxDistance < 0) {
        maxDistance = 0;
    }
}

}  // namespace tarvelle
