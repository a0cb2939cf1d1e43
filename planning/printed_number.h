#pragma once

// Numbers as the program prints them: two decimals, the window's "Fixed".

#include <string>
#include <string_view>

#include "engine/fixed_format.h"
#include "planning/units.h"

namespace tarvelle::planning {

// "38.64"; a value that rounds to zero shows no sign. appendFixed, from the
// engine, appends the same text to a line.
std::string fixed(double value);

// The number that fixed(value) shows, for JSON, so that every format carries
// the same figure.
double printedValue(double value);

// A band edge's frequency as printed: the plans' frequencies are whole MHz.
std::string megahertz(double frequencyMHz);
// "550 MHz"
std::string megahertzText(double frequencyMHz);

// A level from the engine in the user's unit with its unit's name, the two
// joined by `joint` (a page's no-break space): "20.00 dBmV".
std::string levelText(double dbmv, LevelUnit unit, std::string_view joint = " ");

}  // namespace tarvelle::planning
