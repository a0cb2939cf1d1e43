#pragma once

// How the plan's sentences name things, so that every face (text, CSV, JSON,
// the report, the planner window) says them alike: the faces give their own
// labels and the unit their levels are shown in.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cable_table.h"
#include "engine/product_table.h"
#include "planning/plan_inputs.h"
#include "planning/units.h"

namespace tarvelle::planning {

struct Wording {
    std::array<std::string_view, kProductConfigurations.size()> products{
        kProductConfigurations[0].listText, kProductConfigurations[1].listText,
        kProductConfigurations[2].listText};
    std::array<std::string_view, kCableCategories.size()> cables{
        kCableCategories[0].listText, kCableCategories[1].listText, kCableCategories[2].listText};
    std::string_view levelUnit = "dBmV";
    double levelOffsetDb = 0;  // added to a level in dBmV to show it in levelUnit

    // "16.02 dBmV"
    std::string level(double dbmv) const;
    std::string cable(std::int16_t cable) const;
    // "the 8-port hub to balun on Cat6"
    std::string combination(const Combination& combination) const;
};

// Levels in `unit`.
Wording wordingFor(LevelUnit unit);

// "a, b or c"
std::string listed(const std::vector<std::string>& items);

// "1 run", "2 runs": `count` and the word for one or for many.
std::string counted(std::size_t count, std::string_view one, std::string_view many);

// "8.00 dB"
std::string decibels(double db);

// "67.62 m (221.85 ft)"
std::string length(double meters);

}  // namespace tarvelle::planning
