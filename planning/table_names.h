#pragma once

// Short names of the product configurations and cable categories, for tables
// and charts where the full list texts do not fit.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/cable_table.h"
#include "engine/product_table.h"

namespace tarvelle::planning {

inline constexpr std::array<std::string_view, kProductConfigurations.size()> kProductShortNames{
    "balun to balun", "8-port hub to balun", "16-port hub to balun"};

// Positions outside the tables never reach here: the options allow 0 to 2.
constexpr std::string_view productLabel(std::int16_t product) {
    return kProductShortNames.at(static_cast<std::size_t>(product));
}

constexpr std::string_view cableLabel(std::int16_t cable) {
    return kCableCategories.at(static_cast<std::size_t>(cable)).listText;
}

}  // namespace tarvelle::planning
