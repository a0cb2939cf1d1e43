#pragma once

// What a check found for one run of a building, as the planner keeps it.

#include <array>
#include <cstdint>

namespace tarvelle::planning {

// Waiting and Overflow: nothing else of the result is set.
enum class RunStatus : std::uint8_t { Waiting, Computed, Overflow };

// A run's verdict and fix in words are not kept: see verdictText.
struct RunResult {
    std::array<double, 4> received{};  // dBmV at the plan's four band edges
    double margin = 0;
    RunStatus status = RunStatus::Waiting;  // a run edited since the last check waits for the next
    bool pass = false;
};

}  // namespace tarvelle::planning
