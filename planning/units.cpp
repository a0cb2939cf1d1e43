#include "planning/units.h"

#include <string>

#include "engine/checked_math.h"
#include "planning/ascii_text.h"

namespace tarvelle::planning {

std::optional<LevelUnit> parseUnit(std::string_view text) {
    const std::string name = asciiLowered(text);
    if (name == "dbmv") {
        return LevelUnit::DBmV;
    }
    // The micro sign and the Greek mu look alike; ASCII case folding leaves both alone.
    if (name == "dbuv" || name == "db\u00b5v" || name == "db\u03bcv") {
        return LevelUnit::DBuV;
    }
    return std::nullopt;
}

std::string_view unitLabel(LevelUnit unit) {
    return unit == LevelUnit::DBmV ? "dBmV" : "dB\u00b5V";
}

std::string_view unitKey(LevelUnit unit) {
    return unit == LevelUnit::DBmV ? "dbmv" : "dbuv";
}

double toDbmv(double level, LevelUnit unit) {
    return unit == LevelUnit::DBmV ? level : (Checked(level) - kMicrovoltOffsetDb).value();
}

double fromDbmv(double level, LevelUnit unit) {
    return unit == LevelUnit::DBmV ? level : (Checked(level) + kMicrovoltOffsetDb).value();
}

}  // namespace tarvelle::planning
