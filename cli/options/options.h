#pragma once

// The command line of tarvelle-cli.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "engine/levels.h"
#include "planning/units.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

enum class Format { Text, Csv, Json };

// Bad usage: one line naming the option and the value.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    // The level texts as typed, checked by the window's own rule later; the
    // receiver levels start at the window's presets.
    std::string pin = "0";
    std::string pminAnalog{kMinimumPresets.analog};
    std::string pminDigital{kMinimumPresets.digital};
    std::string pmaxAnalog{kMaximumPresets.analog};
    std::string pmaxDigital{kMaximumPresets.digital};
    std::int16_t product = 0;
    std::int16_t cable = 0;
    int plan = 2;
    Format format = Format::Text;
    std::optional<double> lengthMeters;
    std::optional<std::string> runsFile;
    std::optional<std::string> plotFile;
    std::optional<std::string> reportFile;
    bool choose = false;
    // The feed levels at which every run passes, or most of them.
    bool feedRange = false;
    // What the report names on each page.
    std::string project;
    std::string site;
    std::string preparedBy;
    // The unit of every level read and written; the engine works in dBmV.
    LevelUnit units = LevelUnit::DBmV;
    bool help = false;
    bool version = false;
};

// The arguments after the program's name. Throws UsageError.
Options parseOptions(int argc, const char* const argv[]);

// Generated from the same declarations that parseOptions reads.
std::string helpText();

}  // namespace tarvelle::cli
