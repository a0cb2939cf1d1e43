#include "planning/run_fix.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>

#include "engine/checked_math.h"
#include "planning/margins.h"
#include "planning/printed_number.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

// The lengths over which a combination's passing lengths are worked out
// once: the longest run a runs file holds. A longer run is checked on its own.
constexpr double kSearchedMeters = 10'000;

// The lengths are searched for a batch only: the first few fixes (a report's
// list, a window's rows) cost less checked each on its own.
constexpr std::size_t kFixesCheckedAlone = 64;

double padOf(std::size_t pad) {
    return pad == 0 ? 0 : kStandardPadsDb.at(pad - 1);
}

std::uint16_t bitOf(const Combination& combination) {
    return static_cast<std::uint16_t>(
        1U << (static_cast<std::size_t>(combination.product) * kCableCategories.size() +
               static_cast<std::size_t>(combination.cable)));
}

// The first length in [0, kSearchedMeters] at which `holds` is true, for a
// predicate that stays true at every greater length once it is; infinity
// when it never is. Non-negative doubles order as their bit patterns do, so
// halving the patterns finds the length to the last bit.
template <typename Holds>
double firstWhere(const Holds& holds) {
    if (holds(0.0)) {
        return 0;
    }
    if (!holds(kSearchedMeters)) {
        return INFINITY;
    }
    std::uint64_t low = 0;
    std::uint64_t high = std::bit_cast<std::uint64_t>(kSearchedMeters);
    while (high - low > 1) {
        const std::uint64_t middle = low + (high - low) / 2;
        (holds(std::bit_cast<double>(middle)) ? high : low) = middle;
    }
    return std::bit_cast<double>(high);
}

// "3, 6, 10, 12, 15 or 20 dB"
std::string padsText() {
    std::vector<std::string> pads;
    for (const double pad : kStandardPadsDb) {
        pads.push_back(std::to_string(std::lround(pad)));
    }
    return listed(pads) + " dB";
}

FixWords fixWords(const RunFix& fix, const Wording& wording) {
    const std::string cable = wording.cable(fix.combination.cable);
    switch (fix.kind) {
        case FixKind::None:
            return {};
        case FixKind::TooShort: {
            // The figure is followed by its unit, as decibels() has it.
            FixWords words{"too short: needs ", " dB of attenuation"};
            if (fix.padDb) {
                words.after += "; a " + std::to_string(std::lround(*fix.padDb)) +
                               " dB pad brings it into the window";
                return words;
            }
            words.after += fix.attenuationEnough
                               ? ", and no standard pad (" + padsText() + ") fits"
                               : ", and a pad alone takes the low frequencies below the minimum";
            words.after += fix.shortestMeters ? "; at least " + length(*fix.shortestMeters) +
                                                    " of " + cable + " brings it into the window"
                                              : "; no length of " + cable +
                                                    " brings it into the window at this feed level";
            return words;
        }
        case FixKind::TooLong: {
            const std::string text =
                "too long: at most " + length(fix.longestMeters) + " on " + cable;
            if (fix.carriedBy.empty()) {
                return {text + "; no other cable or product carries it at this feed level", {}};
            }
            std::vector<std::string> others;
            for (const Combination& other : fix.carriedBy) {
                others.push_back(other.product == fix.combination.product
                                     ? wording.cable(other.cable)
                                     : wording.combination(other));
            }
            return {text + "; it passes on " + listed(others), {}};
        }
        case FixKind::WindowTooNarrow:
            return {"no length works: the receiver windows are " + decibels(fix.shortfallDb) +
                        " too narrow for the levels at the outlet",
                    {}};
    }
    return {};
}

// Everything fixWords depends on, as bits: the kind (2), product (2), cable
// (2), whether attenuation alone is enough (1), the pad (3), the other
// products and cables that carry the run (9) and whether some length does (1).
std::uint32_t wordsKey(const RunFix& fix) {
    std::uint32_t key = static_cast<std::uint32_t>(fix.kind) |
                        static_cast<std::uint32_t>(fix.combination.product) << 2 |
                        static_cast<std::uint32_t>(fix.combination.cable) << 4 |
                        (fix.attenuationEnough ? 1U : 0U) << 6 |
                        (fix.shortestMeters ? 1U : 0U) << 19;
    if (fix.padDb) {
        const auto pad = std::ranges::find(kStandardPadsDb, *fix.padDb);
        key |= static_cast<std::uint32_t>(std::distance(kStandardPadsDb.begin(), pad) + 1) << 7;
    }
    for (const Combination& other : fix.carriedBy) {
        key |= 1U << (10 + other.product * kCableCategories.size() + other.cable);
    }
    return key;
}

}  // namespace

RunFix fixFor(const PlanScenario& scenario, const PlanRun& run) {
    return RunFixer(scenario).fixFor(run);
}

RunFixer::Known& RunFixer::known(const Combination& combination) {
    return known_.at(static_cast<std::size_t>(combination.product) * kCableCategories.size() +
                     static_cast<std::size_t>(combination.cable));
}

const EdgeLevels& RunFixer::intoCable(const Combination& combination) {
    Known& known = this->known(combination);
    if (!known.intoCable) {
        known.intoCable =
            levelsAtLength(inputsFor(scenario_, combination), frequencyPlan(scenario_), 0);
    }
    return *known.intoCable;
}

const RunFixer::Allowed& RunFixer::allowed(const Combination& combination) {
    Known& known = this->known(combination);
    if (!known.allowed) {
        const DistanceRange lengths =
            calculateDistances(inputsFor(scenario_, combination)).worstCase;
        // Only the levels into the cable and the losses count, not the length.
        known.allowed =
            Allowed{lengths, noLengthWorks(intoCable(combination), EdgeSet::Both, lengths)};
    }
    return *known.allowed;
}

RunFixer::Outside RunFixer::outsideOf(const EdgeLevels& edges, double padDb) {
    // The verdict rule, with the pad's loss.
    Outside outside;
    for (const EdgeLevel& edge : edges) {
        const Checked received = Checked(edge.received) - padDb;
        outside.belowMinimum =
            outside.belowMinimum || belowZeroAsPrinted((received - edge.window.minimum).value());
        outside.aboveMaximum =
            outside.aboveMaximum ||
            belowZeroAsPrinted((Checked(edge.window.maximum) - received).value());
    }
    return outside;
}

RunFixer::Outside RunFixer::exactly(const Combination& combination, double meters,
                                    std::size_t pad) {
    return outsideOf(levelsAtLength(intoCable(combination), meters), padOf(pad));
}

const RunFixer::Passing& RunFixer::passing(const Combination& combination, std::size_t pad) {
    std::optional<Passing>& known = this->known(combination).passing.at(pad);
    if (!known) {
        // Every level falls as a run grows: a run too short becomes one in
        // the window, then one too long, and never goes back.
        known = Passing{
            firstWhere([&](double at) { return !exactly(combination, at, pad).aboveMaximum; }),
            firstWhere([&](double at) { return exactly(combination, at, pad).belowMinimum; })};
    }
    return *known;
}

RunFixer::Outside RunFixer::outside(const Combination& combination, double meters,
                                    std::size_t pad) {
    if (!searched(meters)) {
        return exactly(combination, meters, pad);
    }
    const Passing& lengths = passing(combination, pad);
    return {meters < lengths.from, meters >= lengths.failsFrom};
}

std::uint16_t RunFixer::carriersAt(double meters) {
    const auto forEach = [](const auto& work) {
        for (std::int16_t product = 0; product < std::ssize(kProductConfigurations); ++product) {
            for (std::int16_t cable = 0; cable < std::ssize(kCableCategories); ++cable) {
                work(Combination{product, cable});
            }
        }
    };
    if (!searched(meters)) {
        std::uint16_t carriers = 0;
        forEach([&](const Combination& combination) {
            if (exactly(combination, meters, 0).passes()) {
                carriers |= bitOf(combination);
            }
        });
        return carriers;
    }
    if (!carriers_) {
        Carriers made;
        forEach([&](const Combination& combination) {
            made.bounds.push_back(passing(combination, 0).from);
            made.bounds.push_back(passing(combination, 0).failsFrom);
        });
        std::ranges::sort(made.bounds);
        made.bounds.erase(std::unique(made.bounds.begin(), made.bounds.end()), made.bounds.end());
        // Below the first bound no run passes: every `from` is a bound.
        made.masks.push_back(0);
        for (const double bound : made.bounds) {
            std::uint16_t mask = 0;
            forEach([&](const Combination& combination) {
                if (outside(combination, bound, 0).passes()) {
                    mask |= bitOf(combination);
                }
            });
            made.masks.push_back(mask);
        }
        carriers_ = std::move(made);
    }
    const auto segment = std::ranges::upper_bound(carriers_->bounds, meters);
    return carriers_->masks.at(static_cast<std::size_t>(segment - carriers_->bounds.begin()));
}

RunFix RunFixer::fixFor(const PlanRun& run) {
    return fixFor(run, levelsAtLength(intoCable(run.combination), run.meters));
}

bool RunFixer::searched(double meters) const {
    return fixes_ > kFixesCheckedAlone && meters >= 0 && meters <= kSearchedMeters;
}

RunFix RunFixer::fixFor(const PlanRun& run, const EdgeLevels& edges) {
    ++fixes_;
    RunFix fix;
    fix.combination = run.combination;
    const Outside unpadded = outside(run.combination, run.meters, 0);
    if (unpadded.passes()) {
        return fix;
    }
    const Allowed& own = allowed(run.combination);
    if (unpadded.aboveMaximum) {
        RunFix hot = fix;
        hot.kind = FixKind::TooShort;
        double excess = -INFINITY;
        for (const EdgeLevel& edge : edges) {
            excess = std::max(excess, (Checked(edge.received) - edge.window.maximum).value());
        }
        hot.attenuationDb = excess;
        // More loss only takes the coldest edge further down: the first pad
        // that clears the maximum is the only one that can work.
        for (std::size_t pad = 1; pad <= kStandardPadsDb.size(); ++pad) {
            if (!belowZeroAsPrinted(padOf(pad) - excess)) {
                if (outside(run.combination, run.meters, pad).passes()) {
                    hot.padDb = padOf(pad);
                }
                break;
            }
        }
        // A pad that works is no less than the attenuation: the attenuation works.
        hot.attenuationEnough = hot.padDb || outsideOf(edges, excess).passes();
        // With some length passing, no edge can lie below its minimum here too:
        // every level falls with the length. With none, a flat loss may still
        // bring the run in where its windows are wide enough for its levels.
        if (!own.shortfall) {
            hot.shortestMeters = own.lengths.minimum;
            return hot;
        }
        if (hot.attenuationEnough) {
            return hot;
        }
    }
    if (own.shortfall) {
        fix.kind = FixKind::WindowTooNarrow;
        fix.shortfallDb = *own.shortfall;
    } else {
        fix.kind = FixKind::TooLong;
        fix.longestMeters = own.lengths.maximum;
        const std::uint16_t carriers = carriersAt(run.meters) & ~bitOf(run.combination);
        // Another cable for the same product first: the smaller change.
        for (const bool sameProduct : {true, false}) {
            for (std::int16_t product = 0;
                 carriers != 0 && product < std::ssize(kProductConfigurations); ++product) {
                for (std::int16_t cable = 0; cable < std::ssize(kCableCategories); ++cable) {
                    const Combination other{product, cable};
                    if ((product == run.combination.product) == sameProduct &&
                        (carriers & bitOf(other)) != 0) {
                        fix.carriedBy.push_back(other);
                    }
                }
            }
        }
    }
    return fix;
}

std::string fixText(const RunFix& fix, const Wording& wording) {
    const FixWords words = fixWords(fix, wording);
    return words.before + (fix.kind == FixKind::TooShort ? fixed(fix.attenuationDb) : "") +
           words.after;
}

const FixWords& FixTexts::words(const RunFix& fix) {
    const std::uint32_t key = wordsKey(fix);
    auto words = known_.find(key);
    if (words == known_.end()) {
        FixWords made = fixWords(fix, wording_);
        if (escape_ != nullptr) {
            made = {escape_(made.before), escape_(made.after)};
        }
        words = known_.emplace(key, std::move(made)).first;
    }
    return words->second;
}

}  // namespace tarvelle::planning
