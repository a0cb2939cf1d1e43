#include "planning/run_fix.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/checked_math.h"
#include "planning/margins.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

bool passesWithPad(const EdgeLevels& edges, double padDb) {
    return std::ranges::all_of(edges, [&](const EdgeLevel& edge) {
        const Checked received = Checked(edge.received) - padDb;
        return !belowZeroAsPrinted((received - edge.window.minimum).value()) &&
               !belowZeroAsPrinted((Checked(edge.window.maximum) - received).value());
    });
}

void fixTooShort(const RunCheck& check, RunFix& fix) {
    double excess = -INFINITY;
    for (const EdgeLevel& edge : check.edges) {
        excess = std::max(excess, (Checked(edge.received) - edge.window.maximum).value());
    }
    fix.attenuationDb = excess;
    fix.attenuationEnough = passesWithPad(check.edges, excess);
    // More loss only takes the coldest edge further down: the first pad that
    // clears the maximum is the only one that can work.
    for (const double pad : kStandardPadsDb) {
        if (!belowZeroAsPrinted(pad - excess)) {
            if (passesWithPad(check.edges, pad)) {
                fix.padDb = pad;
            }
            break;
        }
    }
}

// "3, 6, 10, 12, 15 or 20 dB"
std::string padsText() {
    std::vector<std::string> pads;
    for (const double pad : kStandardPadsDb) {
        pads.push_back(std::to_string(std::lround(pad)));
    }
    return listed(pads) + " dB";
}

}  // namespace

RunFix fixFor(const PlanScenario& scenario, const PlanRun& run) {
    const RunCheck check = checkRun(scenario, run);
    RunFix fix;
    fix.combination = run.combination;
    if (check.pass) {
        return fix;
    }
    const DistanceRange lengths =
        calculateDistances(inputsFor(scenario, run.combination)).worstCase;
    if (const auto shortfall = noLengthWorks(check.edges, EdgeSet::Both, lengths)) {
        fix.kind = FixKind::WindowTooNarrow;
        fix.shortfallDb = *shortfall;
    } else if (check.aboveMaximum) {
        // With some length passing, no edge can lie below its minimum here too:
        // every level falls with the length.
        fix.kind = FixKind::TooShort;
        fix.shortestMeters = lengths.minimum;
        fixTooShort(check, fix);
    } else {
        fix.kind = FixKind::TooLong;
        fix.longestMeters = lengths.maximum;
        // Another cable for the same product first: the smaller change.
        for (const bool sameProduct : {true, false}) {
            for (std::int16_t product = 0; product < std::ssize(kProductConfigurations);
                 ++product) {
                for (std::int16_t cable = 0; cable < std::ssize(kCableCategories); ++cable) {
                    const Combination other{product, cable};
                    if ((product == run.combination.product) == sameProduct &&
                        (!sameProduct || cable != run.combination.cable) &&
                        checkRun(scenario, {run.meters, other}).pass) {
                        fix.carriedBy.push_back(other);
                    }
                }
            }
        }
    }
    return fix;
}

std::string fixText(const RunFix& fix, const Wording& wording) {
    const std::string cable = wording.cable(fix.combination.cable);
    switch (fix.kind) {
        case FixKind::None:
            return {};
        case FixKind::TooShort: {
            std::string text =
                "too short: needs " + decibels(fix.attenuationDb) + " of attenuation";
            if (fix.padDb) {
                return text + "; a " + std::to_string(std::lround(*fix.padDb)) +
                       " dB pad brings it into the window";
            }
            text += fix.attenuationEnough ? ", and no standard pad (" + padsText() + ") fits"
                                          : ", and a pad alone takes the low frequencies below "
                                            "the minimum";
            return text + "; at least " + length(fix.shortestMeters) + " of " + cable +
                   " brings it into the window";
        }
        case FixKind::TooLong: {
            const std::string text =
                "too long: at most " + length(fix.longestMeters) + " on " + cable;
            if (fix.carriedBy.empty()) {
                return text + "; no other cable or product carries it at this feed level";
            }
            std::vector<std::string> others;
            for (const Combination& other : fix.carriedBy) {
                others.push_back(other.product == fix.combination.product
                                     ? wording.cable(other.cable)
                                     : wording.combination(other));
            }
            return text + "; it passes on " + listed(others);
        }
        case FixKind::WindowTooNarrow:
            return "no length works: the receiver windows are " + decibels(fix.shortfallDb) +
                   " too narrow for the levels at the outlet";
    }
    return {};
}

}  // namespace tarvelle::planning
