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

bool passesWithPad(const EdgeLevels& edges, double padDb) {
    return std::ranges::all_of(edges, [&](const EdgeLevel& edge) {
        const Checked received = Checked(edge.received) - padDb;
        return !belowZeroAsPrinted((received - edge.window.minimum).value()) &&
               !belowZeroAsPrinted((Checked(edge.window.maximum) - received).value());
    });
}

void fixTooShort(const EdgeLevels& edges, RunFix& fix) {
    double excess = -INFINITY;
    for (const EdgeLevel& edge : edges) {
        excess = std::max(excess, (Checked(edge.received) - edge.window.maximum).value());
    }
    fix.attenuationDb = excess;
    // More loss only takes the coldest edge further down: the first pad that
    // clears the maximum is the only one that can work.
    for (const double pad : kStandardPadsDb) {
        if (!belowZeroAsPrinted(pad - excess)) {
            if (passesWithPad(edges, pad)) {
                fix.padDb = pad;
            }
            break;
        }
    }
    // A pad that works is no less than the attenuation: the attenuation works.
    fix.attenuationEnough = fix.padDb || passesWithPad(edges, excess);
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
            FixWords words{"too short: needs ", " of attenuation"};
            if (fix.padDb) {
                words.after += "; a " + std::to_string(std::lround(*fix.padDb)) +
                               " dB pad brings it into the window";
                return words;
            }
            words.after += fix.attenuationEnough
                               ? ", and no standard pad (" + padsText() + ") fits"
                               : ", and a pad alone takes the low frequencies below the minimum";
            words.after += "; at least " + length(fix.shortestMeters) + " of " + cable +
                           " brings it into the window";
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
// (2), whether attenuation alone is enough (1), the pad (3) and the other
// products and cables that carry the run (9).
std::uint32_t wordsKey(const RunFix& fix) {
    std::uint32_t key = static_cast<std::uint32_t>(fix.kind) |
                        static_cast<std::uint32_t>(fix.combination.product) << 2 |
                        static_cast<std::uint32_t>(fix.combination.cable) << 4 |
                        (fix.attenuationEnough ? 1U : 0U) << 6;
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

std::uint16_t RunFixer::carriersAt(double meters) {
    const auto checkAt = [&](const Combination& combination, double at) {
        return checkLevels(levelsAtLength(intoCable(combination), at));
    };
    const auto forEach = [](const auto& work) {
        for (std::int16_t product = 0; product < std::ssize(kProductConfigurations); ++product) {
            for (std::int16_t cable = 0; cable < std::ssize(kCableCategories); ++cable) {
                work(Combination{product, cable});
            }
        }
    };
    if (!(meters >= 0 && meters <= kSearchedMeters)) {
        std::uint16_t carriers = 0;
        forEach([&](const Combination& combination) {
            if (checkAt(combination, meters).pass) {
                carriers |= bitOf(combination);
            }
        });
        return carriers;
    }
    if (!carriers_) {
        // Every level falls as a run grows: on each product and cable a run
        // too short becomes one in the window, then one too long, and never
        // goes back.
        struct Passing {
            std::uint16_t bit;
            double from;
            double failsFrom;
        };
        std::vector<Passing> passing;
        Carriers made;
        forEach([&](const Combination& combination) {
            const Passing lengths{
                bitOf(combination),
                firstWhere([&](double at) { return !checkAt(combination, at).aboveMaximum; }),
                firstWhere([&](double at) { return checkAt(combination, at).belowMinimum; })};
            passing.push_back(lengths);
            made.bounds.push_back(lengths.from);
            made.bounds.push_back(lengths.failsFrom);
        });
        std::ranges::sort(made.bounds);
        made.bounds.erase(std::unique(made.bounds.begin(), made.bounds.end()), made.bounds.end());
        // Below the first bound no run passes: every `from` is a bound.
        made.masks.push_back(0);
        for (const double bound : made.bounds) {
            std::uint16_t mask = 0;
            for (const Passing& lengths : passing) {
                if (lengths.from <= bound && bound < lengths.failsFrom) {
                    mask |= lengths.bit;
                }
            }
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

RunFix RunFixer::fixFor(const PlanRun& run, const EdgeLevels& edges) {
    RunFix fix;
    fix.combination = run.combination;
    // The verdict rule: a run fails when an edge lies below its minimum or
    // above its maximum as printed.
    bool aboveMaximum = false;
    bool belowMinimum = false;
    for (const EdgeLevel& edge : edges) {
        belowMinimum = belowMinimum || belowZeroAsPrinted(marginToMinimum(edge));
        aboveMaximum = aboveMaximum || belowZeroAsPrinted(marginToMaximum(edge));
    }
    if (!aboveMaximum && !belowMinimum) {
        return fix;
    }
    const Allowed& own = allowed(run.combination);
    if (own.shortfall) {
        fix.kind = FixKind::WindowTooNarrow;
        fix.shortfallDb = *own.shortfall;
    } else if (aboveMaximum) {
        // With some length passing, no edge can lie below its minimum here too:
        // every level falls with the length.
        fix.kind = FixKind::TooShort;
        fix.shortestMeters = own.lengths.minimum;
        fixTooShort(edges, fix);
    } else {
        fix.kind = FixKind::TooLong;
        fix.longestMeters = own.lengths.maximum;
        const std::uint16_t carriers = carriersAt(run.meters) & ~bitOf(run.combination);
        // Another cable for the same product first: the smaller change.
        for (const bool sameProduct : {true, false}) {
            for (std::int16_t product = 0; product < std::ssize(kProductConfigurations);
                 ++product) {
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
    return words.before + (fix.kind == FixKind::TooShort ? decibels(fix.attenuationDb) : "") +
           words.after;
}

void FixTexts::append(std::string& out, const RunFix& fix, std::optional<ShownFigure> shown) {
    if (fix.kind == FixKind::None) {
        return;
    }
    const std::uint32_t key = wordsKey(fix);
    auto words = known_.find(key);
    if (words == known_.end()) {
        FixWords made = fixWords(fix, wording_);
        if (escape_ != nullptr) {
            made = {escape_(made.before), escape_(made.after)};
        }
        words = known_.emplace(key, std::move(made)).first;
    }
    out += words->second.before;
    if (fix.kind == FixKind::TooShort) {
        // As decibels() has it.
        if (shown && shown->value == fix.attenuationDb) {
            out += shown->text;
        } else {
            appendFixed(out, fix.attenuationDb);
        }
        out += " dB";
    }
    out += words->second.after;
}

}  // namespace tarvelle::planning
