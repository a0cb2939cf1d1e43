#pragma once

// How standard output is written: the format, and whether a terminal shows it
// (then nothing from the input may reach it unescaped).

#include "cli/options/options.h"

namespace tarvelle::cli {

struct OutputStyle {
    Format format = Format::Text;
    bool terminal = false;
};

}  // namespace tarvelle::cli
