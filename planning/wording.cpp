#include "planning/wording.h"

#include "engine/checked_math.h"
#include "engine/distance_model.h"
#include "engine/fixed_format.h"
#include "planning/table_names.h"

namespace tarvelle::planning {

std::string Wording::level(double dbmv) const {
    return formatFixed((Checked(dbmv) + levelOffsetDb).value(), ".") + " " + std::string(levelUnit);
}

std::string Wording::cable(std::int16_t cable) const {
    return std::string(cables.at(static_cast<std::size_t>(cable)));
}

std::string Wording::combination(const Combination& combination) const {
    return "the " + std::string(products.at(static_cast<std::size_t>(combination.product))) +
           " on " + cable(combination.cable);
}

Wording wordingFor(LevelUnit unit) {
    Wording wording;
    wording.products = kProductShortNames;
    wording.levelUnit = unitLabel(unit);
    wording.levelOffsetDb = fromDbmv(0, unit);
    return wording;
}

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " or " : ", ") + items[i];
    }
    return text;
}

std::string decibels(double db) {
    return formatFixed(db, ".") + " dB";
}

std::string length(double meters) {
    return formatFixed(meters, ".") + " m (" + formatFixed(MetersToFeet(meters), ".") + " ft)";
}

}  // namespace tarvelle::planning
