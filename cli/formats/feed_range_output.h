#pragma once

// The feed levels at which a set of runs passes, as text for people.

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "planning/plan_tally.h"
#include "planning/wording.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

// The runs still failing at the level where the most pass: the first few by
// name (already quoted for a terminal), the rest counted.
struct StillFailing {
    static constexpr std::size_t kNamed = 20;
    std::vector<std::string> names;
    std::size_t total = 0;
    void add(const std::string& quotedName);
};

// "Every run passes at a feed from ... to ...; ... gives the most margin.", or
// where the most pass and which runs still fail there.
void printFeedRange(std::ostream& out, const PlanSummary& plan, const StillFailing& failing,
                    const Wording& wording);

}  // namespace tarvelle::cli
