#include "planning/reading/length_text.h"

#include "engine/distance_model.h"
#include "engine/number_rule.h"
#include "planning/ascii_text.h"

namespace tarvelle::planning {

using planning::endsWithIgnoringCase;

std::string_view trim(std::string_view text) {
    // Byte by byte: find_first_not_of searches its set once for every byte.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

namespace {

// A length of any size.
std::optional<double> anyLength(std::string_view text, std::optional<LengthUnit> bareUnit,
                                bool decimalComma) {
    text = trim(text);
    std::optional<LengthUnit> unit;
    if (endsWithIgnoringCase(text, "ft")) {
        unit = LengthUnit::Feet;
        text.remove_suffix(2);
    } else if (endsWithIgnoringCase(text, "m")) {
        unit = LengthUnit::Metres;
        text.remove_suffix(1);
    }
    if (bareUnit && unit && *unit != *bareUnit) {
        return std::nullopt;
    }
    unit = unit ? unit : bareUnit;
    if (!unit) {
        return std::nullopt;
    }
    text = trim(text);
    auto value = parseLevel(text, ".");
    if (!value && decimalComma) {
        value = parseLevel(text, ",");
    }
    if (!value || *value < 0) {
        return std::nullopt;
    }
    return *unit == LengthUnit::Feet ? FeetToMeters(*value) : *value;
}

}  // namespace

std::optional<double> parseLength(std::string_view text, std::optional<LengthUnit> bareUnit,
                                  bool decimalComma) {
    const auto meters = anyLength(text, bareUnit, decimalComma);
    return meters && *meters <= kLongestRunMeters ? meters : std::nullopt;
}

std::optional<double> parseTypedLength(std::string_view text, bool decimalComma) {
    const auto meters = parseLength(text, std::nullopt, decimalComma);
    return meters ? meters : parseLength(text, LengthUnit::Metres, decimalComma);
}

bool beyondLongestRun(std::string_view text, std::optional<LengthUnit> bareUnit,
                      bool decimalComma) {
    const auto meters = anyLength(text, bareUnit, decimalComma);
    return meters && !(*meters <= kLongestRunMeters);
}

}  // namespace tarvelle::planning
