#pragma once

// The command line of tarvelle-cli.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/messages/cli_error.h"
#include "engine/levels.h"
#include "planning/units.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

enum class Format { Text, Csv, Json };

// Bad usage: one line naming the option and the value.
struct UsageError : CliError {
    using CliError::CliError;
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
    std::uint8_t cableSpelling = 0;  // which of its names --cable gave it
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

// The five level options, in one place: each option's name, the text it
// fills, its help and the level it gives the calculation.
struct LevelOption {
    Level level;
    std::string_view name;
    std::string Options::*text;
    std::string_view help;
};

inline constexpr std::array<LevelOption, 5> kLevelOptions{{
    {Level::Input, "--pin", &Options::pin, "input signal strength at the source"},
    {Level::MinimumAnalog, "--pmin-analog", &Options::pminAnalog,
     "minimum receiver level, analog channels"},
    {Level::MinimumDigital, "--pmin-digital", &Options::pminDigital,
     "minimum receiver level, digital channels"},
    {Level::MaximumAnalog, "--pmax-analog", &Options::pmaxAnalog,
     "maximum receiver level, analog channels"},
    {Level::MaximumDigital, "--pmax-digital", &Options::pmaxDigital,
     "maximum receiver level, digital channels"},
}};

// The arguments after the program's name. Throws UsageError.
Options parseOptions(int argc, const char* const argv[]);

// Generated from the same declarations that parseOptions reads.
std::string helpText();

}  // namespace tarvelle::cli
