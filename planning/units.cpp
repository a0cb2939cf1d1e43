#include "planning/units.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/checked_math.h"

namespace tarvelle::planning {

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

}  // namespace

std::optional<LevelUnit> parseUnit(std::string_view text) {
    const std::string name = lower(text);
    if (name == "dbmv") {
        return LevelUnit::DBmV;
    }
    // The micro sign and the Greek mu look alike; tolower leaves both alone.
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
