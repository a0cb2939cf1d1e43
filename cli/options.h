#pragma once

// The command line of tarvelle-cli.

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/level_presets.h"

namespace tarvelle::cli {

enum class Format { Text, Csv, Json };

// Bad usage: one line naming the option and the value.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    // The level texts as typed, checked by the window's own rule later; the
    // receiver levels start at the window's presets.
    std::string pin = "0";
    std::string pminAnalog{kMinimumLevels.analogPreset};
    std::string pminDigital{kMinimumLevels.digitalPreset};
    std::string pmaxAnalog{kMaximumLevels.analogPreset};
    std::string pmaxDigital{kMaximumLevels.digitalPreset};
    std::int16_t product = 0;
    std::int16_t cable = 0;
    int plan = 2;
    Format format = Format::Text;
    std::optional<double> lengthMeters;
    std::optional<std::string> runsFile;
    std::optional<std::string> plotFile;
    bool help = false;
    bool version = false;
};

Options parseOptions(std::span<const std::string_view> arguments);

// The text without blanks, tabs or carriage returns at either end.
std::string_view trim(std::string_view text);

// "45m", "45 m", "150ft" or "150 ft": a non-negative length in metres.
std::optional<double> parseLength(std::string_view text);

std::string helpText();

}  // namespace tarvelle::cli
