#pragma once

// What would make a failing run pass at the scenario's feed level, as plain
// values, and the one sentence every face prints for it.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "planning/plan_inputs.h"
#include "planning/wording.h"

namespace tarvelle::planning {

// Inline F-connector attenuators as cable-TV suppliers stock them: an
// installer finds these at any counter, while 1, 2, 4 or 8 dB must be
// ordered, and a pad's own tolerance (about +/-0.5 dB) makes finer steps
// meaningless anyway. The figures are nominal.
inline constexpr std::array<double, 6> kStandardPadsDb{3, 6, 10, 12, 15, 20};

enum class FixKind {
    None,             // the run passes
    TooShort,         // an edge lies above its window's maximum
    TooLong,          // an edge lies below its window's minimum
    WindowTooNarrow,  // no length of its cable passes at this feed
};

struct RunFix {
    FixKind kind = FixKind::None;
    Combination combination;  // the run's own product and cable

    // TooShort: the flat loss, dB, that brings every edge to its maximum or
    // below; whether that loss alone brings the run in (else the cable's tilt
    // is needed too); the smallest standard pad that brings it in, if one
    // does; and the shortest length its cable allows.
    double attenuationDb = 0;
    bool attenuationEnough = false;
    std::optional<double> padDb;
    double shortestMeters = 0;

    // TooLong: the longest length its cable allows, and the other products
    // and cables on which it passes at this length and feed: other cables
    // for its own product first, then other products, in table order.
    double longestMeters = 0;
    std::vector<Combination> carriedBy;

    // WindowTooNarrow: by how many dB, in all, the receiver windows would
    // have to widen for some length to pass.
    double shortfallDb = 0;
};

// Throws ArithmeticError when the levels overflow.
RunFix fixFor(const PlanScenario& scenario, const PlanRun& run);

// "too short: needs 4.37 dB of attenuation; a 6 dB pad brings it into the
// window", or an empty text for a passing run.
std::string fixText(const RunFix& fix, const Wording& wording);

}  // namespace tarvelle::planning
