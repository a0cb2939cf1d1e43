#pragma once

// What would make a failing run pass at the scenario's feed level, as plain
// values, and the one sentence every face prints for it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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
    WindowTooNarrow,  // no length of its cable passes at this feed, nor any flat loss
};

struct RunFix {
    FixKind kind = FixKind::None;
    Combination combination;  // the run's own product and cable

    // TooShort: the flat loss, dB, that brings every edge to its maximum or
    // below; whether that loss alone brings the run in (else the cable's tilt
    // is needed too); the smallest standard pad that brings it in, if one
    // does; and the shortest length its cable allows, unless no length does
    // at this feed (the loss alone then brings it in).
    double attenuationDb = 0;
    bool attenuationEnough = false;
    std::optional<double> padDb;
    std::optional<double> shortestMeters;

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

// The fixes of many runs of one scenario, each as fixFor gives it. What does
// not change with a run's length is worked out once for each product and
// cable, when a run first needs it: the levels into the cable, the lengths
// the cable allows, whether any length works, and from which length to which
// a run passes on it, with no pad and with each standard pad (searched once
// a batch is under way: its first fixes are checked each on its own). A
// run's fix is then mostly a matter of looking up its length, and a million
// failing runs cost little more than their checks.
class RunFixer {
  public:
    explicit RunFixer(const PlanScenario& scenario) : scenario_(scenario) {}

    // Throws ArithmeticError when the levels overflow.
    RunFix fixFor(const PlanRun& run);
    // The same, with the run's levels on its own product and cable already
    // worked for this scenario.
    RunFix fixFor(const PlanRun& run, const EdgeLevels& edges);

  private:
    struct Allowed {
        DistanceRange lengths;            // the worst case the engine gives
        std::optional<double> shortfall;  // when no length works: by how many dB
    };
    // A run is above a maximum up to `from` and below a minimum from
    // `failsFrom` on, metres: it passes in between.
    struct Passing {
        double from;
        double failsFrom;
    };
    struct Known {
        std::optional<EdgeLevels> intoCable;  // the levels at 0 m
        std::optional<Allowed> allowed;
        // With no pad, then with each standard pad.
        std::array<std::optional<Passing>, kStandardPadsDb.size() + 1> passing;
    };
    // Which products and cables a run passes on, by its length: bit
    // (product * 3 + cable) of masks[i] is set for each that passes from
    // bounds[i - 1] up to, not including, bounds[i].
    struct Carriers {
        std::vector<double> bounds;
        std::vector<std::uint16_t> masks;
    };
    struct Outside {
        bool aboveMaximum = false;
        bool belowMinimum = false;
        bool passes() const { return !aboveMaximum && !belowMinimum; }
    };

    Known& known(const Combination& combination);
    const EdgeLevels& intoCable(const Combination& combination);
    const Allowed& allowed(const Combination& combination);
    // A run of `meters` on the combination with no pad (0) or a standard pad
    // (its position in kStandardPadsDb plus one), by the verdict rule, and
    // by the lengths between which it passes.
    static Outside outsideOf(const EdgeLevels& edges, double padDb);
    Outside exactly(const Combination& combination, double meters, std::size_t pad);
    const Passing& passing(const Combination& combination, std::size_t pad);
    Outside outside(const Combination& combination, double meters, std::size_t pad);
    std::uint16_t carriersAt(double meters);
    // Whether a run of `meters` is judged by the lengths searched.
    bool searched(double meters) const;

    PlanScenario scenario_;
    std::array<Known, kProductConfigurations.size() * kCableCategories.size()> known_;
    std::optional<Carriers> carriers_;
    std::size_t fixes_ = 0;
};

// "too short: needs 4.37 dB of attenuation; a 6 dB pad brings it into the
// window", or an empty text for a passing run.
std::string fixText(const RunFix& fix, const Wording& wording);

// A fix's text before and after the run's own figure, which only a run too
// short has: "too short: needs " and " of attenuation; a 6 dB pad...".
struct FixWords {
    std::string before;
    std::string after;
};

// The fix texts of many runs, each as fixText words it: the words are put
// together once for each product, cable and kind of fix, and only a run's
// own figure (the attenuation it needs) is written for each run, between
// them.
class FixTexts {
  public:
    // What an output format holds between its quotes for a text: the text
    // with its quotes doubled or escaped.
    using Escape = std::string (*)(std::string_view);

    explicit FixTexts(const Wording& wording, Escape escape = nullptr)
        : wording_(wording), escape_(escape) {}

    // The words of fixText(fix), escaped; a failing run's only.
    const FixWords& words(const RunFix& fix);

  private:
    Wording wording_;
    Escape escape_;
    // Bounded: a few bits for each product, cable, pad and other carrier.
    std::unordered_map<std::uint32_t, FixWords> known_;
};

}  // namespace tarvelle::planning
