#pragma once

// Messages on standard error: one line each, after the program's name, with
// anything that came from the input escaped so that it cannot act on the
// terminal.

#include <ostream>
#include <string>
#include <string_view>

#include "planning/reading/quoted_text.h"

namespace tarvelle::cli {

void tell(std::ostream& err, std::string_view message);

}  // namespace tarvelle::cli
