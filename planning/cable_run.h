#pragma once

// One cable run of a building, as a runs file names it.

#include <cstdint>
#include <string>

namespace tarvelle::planning {

struct CableRun {
    std::string id;
    double meters = 0;
    std::int16_t cable = 0;          // a row of the engine's cable table
    std::int16_t product = 0;        // a row of the engine's product table
    std::uint8_t cableSpelling = 0;  // which of its names it was given (reading/names.h)
};

}  // namespace tarvelle::planning
