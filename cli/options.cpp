#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

#include "engine/cable_table.h"
#include "engine/distance_model.h"
#include "engine/number_rule.h"
#include "engine/product_table.h"

namespace tarvelle::cli {

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

[[noreturn]] void reject(std::string_view option, std::string_view value, std::string_view why) {
    throw UsageError(std::string(option) + " '" + std::string(value) + "': " + std::string(why));
}

std::int16_t productOf(std::string_view option, std::string_view value) {
    if (value == "0" || value == "1" || value == "2") {
        return static_cast<std::int16_t>(value[0] - '0');
    }
    std::optional<std::int16_t> found;
    for (std::size_t row = 0; row < kProductConfigurations.size(); ++row) {
        if (!value.empty() &&
            lower(kProductConfigurations[row].listText).find(lower(value)) != std::string::npos) {
            if (found) {
                reject(option, value, "matches more than one product configuration");
            }
            found = static_cast<std::int16_t>(row);
        }
    }
    if (!found) {
        reject(option, value, "is not a product configuration (0, 1, 2 or part of its name)");
    }
    return *found;
}

std::int16_t cableOf(std::string_view option, std::string_view value) {
    static const std::map<std::string, std::int16_t, std::less<>> kNames{
        {"0", 0},     {"1", 1},    {"2", 2},     {"cat5", 0},
        {"cat5e", 0}, {"cat6", 1}, {"cat6a", 2}, {"cat7", 2},
    };
    const auto it = kNames.find(lower(value));
    if (it == kNames.end()) {
        reject(option, value, "is not a cable category (0, 1, 2, cat5e, cat6, cat6a or cat7)");
    }
    return it->second;
}

}  // namespace

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<double> parseLength(std::string_view text) {
    text = trim(text);
    const std::string lowered = lower(text);
    std::size_t unit = 0;
    bool feet = false;
    if (lowered.ends_with("ft")) {
        unit = 2;
        feet = true;
    } else if (lowered.ends_with("m")) {
        unit = 1;
    } else {
        return std::nullopt;
    }
    const auto value = parseLevel(trim(text.substr(0, text.size() - unit)), ".");
    if (!value || *value < 0) {
        return std::nullopt;
    }
    return feet ? FeetToMeters(*value) : *value;
}

Options parseOptions(std::span<const std::string_view> arguments) {
    Options options;
    const std::map<std::string_view, std::function<void(std::string_view, std::string_view)>,
                   std::less<>>
        withValue{
            {"--pin", [&](auto, auto v) { options.pin = v; }},
            {"--pmin-analog", [&](auto, auto v) { options.pminAnalog = v; }},
            {"--pmin-digital", [&](auto, auto v) { options.pminDigital = v; }},
            {"--pmax-analog", [&](auto, auto v) { options.pmaxAnalog = v; }},
            {"--pmax-digital", [&](auto, auto v) { options.pmaxDigital = v; }},
            {"--product", [&](auto o, auto v) { options.product = productOf(o, v); }},
            {"--cable", [&](auto o, auto v) { options.cable = cableOf(o, v); }},
            {"--plan",
             [&](auto o, auto v) {
                 if (v != "1" && v != "2") {
                     reject(o, v, "is not a frequency plan (1 or 2)");
                 }
                 options.plan = v[0] - '0';
             }},
            {"--format",
             [&](auto o, auto v) {
                 static const std::map<std::string_view, Format> kFormats{
                     {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}};
                 const auto it = kFormats.find(v);
                 if (it == kFormats.end()) {
                     reject(o, v, "is not a format (text, csv or json)");
                 }
                 options.format = it->second;
             }},
            {"--length",
             [&](auto o, auto v) {
                 options.lengthMeters = parseLength(v);
                 if (!options.lengthMeters) {
                     reject(o, v, "is not a length (a number with m or ft, such as 45m or 150ft)");
                 }
             }},
            {"--runs", [&](auto, auto v) { options.runsFile = std::string(v); }},
            {"--plot", [&](auto, auto v) { options.plotFile = std::string(v); }},
        };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--version") {
            options.version = true;
            continue;
        }
        std::optional<std::string_view> value;
        if (const auto equals = argument.find('='); equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const auto handler = withValue.find(argument);
        if (handler == withValue.end()) {
            throw UsageError("unknown option '" + std::string(argument) + "' (see --help)");
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                throw UsageError(std::string(argument) + " needs a value");
            }
            value = arguments[++i];
        }
        handler->second(argument, *value);
    }
    return options;
}

std::string helpText() {
    return R"(Usage: tarvelle-cli [options]

Computes, with the same engine and the same figures as the Tarvelle window, the
shortest and longest cable runs for the analog band, the digital band and the
worst case, in feet and metres.

Inputs (defaults: the window's presets):
  --pin LEVEL            input signal strength at the source, dBmV (0)
  --pmin-analog LEVEL    minimum receiver level, analog channels, dBmV (0)
  --pmin-digital LEVEL   minimum receiver level, digital channels, dBmV (-12)
  --pmax-analog LEVEL    maximum receiver level, analog channels, dBmV (15)
  --pmax-digital LEVEL   maximum receiver level, digital channels, dBmV (15)
  --product P            0, 1, 2 or a unique part of its name, such as 8-port (0)
  --cable C              0, 1, 2, cat5e, cat6, cat6a or cat7 (cat5e)
  --plan N               frequency plan 1 (split at 450 MHz) or 2 (550 MHz) (2)

Modes:
  --length L             also show the level budget of a run of L (45m, 150ft):
                         level at each band edge, margins and cable tilt
  --runs FILE            check every run of a CSV file (header, then
                         identifier,length such as 101,32m) against the
                         worst-case window
  --plot FILE.svg        draw received level against cable length
  --format F             text, csv or json (text)
  --help, --version

Exit status: 0 on success, 1 when a checked run fails its window or a row of
the runs file is malformed, 2 on bad usage or input. In csv format the
window's warning goes to standard error.
)";
}

}  // namespace tarvelle::cli
