#include "planning/wording.h"

#include "engine/checked_math.h"
#include "engine/distance_model.h"
#include "engine/fixed_format.h"

namespace tarvelle::planning {

std::string Wording::level(double dbmv) const {
    return formatFixed((Checked(dbmv) + levelOffsetDb).value(), ".") + " " + std::string(levelUnit);
}

std::string decibels(double db) {
    return formatFixed(db, ".") + " dB";
}

std::string length(double meters) {
    return formatFixed(meters, ".") + " m (" + formatFixed(MetersToFeet(meters), ".") + " ft)";
}

}  // namespace tarvelle::planning
