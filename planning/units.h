#pragma once

// Levels in the unit the user works in. The engine works in dBmV; a level in
// dBµV is the same level 60 dB higher (1 mV = 1000 µV), so converting shifts
// every level by exactly 60 dB and leaves differences (gains, losses,
// margins, tilt) and distances as they are.

#include <optional>
#include <string_view>

namespace tarvelle::planning {

enum class LevelUnit { DBmV, DBuV };

inline constexpr double kMicrovoltOffsetDb = 60;

// "dBmV" or "dBuV" (also "dBµV" with a micro sign or a Greek mu), in any case.
std::optional<LevelUnit> parseUnit(std::string_view text);

// For people: "dBmV" or "dBµV".
std::string_view unitLabel(LevelUnit unit);

// For CSV columns and JSON keys, plain ASCII: "dbmv" or "dbuv".
std::string_view unitKey(LevelUnit unit);

// A level read in `unit`, in dBmV for the engine. Throws ArithmeticError when
// the shift overflows.
double toDbmv(double level, LevelUnit unit);

// A level in dBmV from the engine, in `unit` for output.
double fromDbmv(double level, LevelUnit unit);

}  // namespace tarvelle::planning
