#include "planning/margins.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/checked_math.h"
#include "engine/distance_model.h"
#include "planning/scenario.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

struct EdgeRange {
    std::size_t first;
    std::size_t last;  // one past
};

// The edges of each band in the set: a band is edges 0-1 (analog) or 2-3.
std::vector<EdgeRange> bandsOf(EdgeSet set) {
    switch (set) {
        case EdgeSet::Analog:
            return {{0, 2}};
        case EdgeSet::Digital:
            return {{2, 4}};
        case EdgeSet::Both:
            return {{0, 2}, {2, 4}};
    }
    return {};
}

double levelAt(const EdgeLevel& edge, double meters) {
    return (Checked(edge.levelIntoCable) - cableLoss(edge.lossPer100m, meters)).value();
}

// How far, in all, the set's levels at `meters` lie outside their windows.
double outside(const EdgeLevels& edges, const std::vector<EdgeRange>& bands, double meters) {
    Checked total = 0;
    for (const EdgeRange& band : bands) {
        double highest = -INFINITY;
        double lowest = INFINITY;
        for (std::size_t e = band.first; e < band.last; ++e) {
            const double level = levelAt(edges[e], meters);
            highest = std::max(highest, level);
            lowest = std::min(lowest, level);
        }
        const ReceiverWindow& window = edges[band.first].window;
        total = total + std::max(0.0, (Checked(highest) - window.maximum).value()) +
                std::max(0.0, (Checked(window.minimum) - lowest).value());
    }
    return total.value();
}

}  // namespace

std::optional<Attenuation> attenuationNeeded(const EdgeLevels& edges) {
    double excess = -INFINITY;
    for (const EdgeLevel& edge : edges) {
        excess = std::max(excess, -marginToMaximum(edge));
    }
    if (!belowZeroAsPrinted(-excess)) {
        return std::nullopt;
    }
    double lowestAfter = INFINITY;
    for (const EdgeLevel& edge : edges) {
        lowestAfter = std::min(lowestAfter, (Checked(marginToMinimum(edge)) - excess).value());
    }
    return Attenuation{excess, !belowZeroAsPrinted(lowestAfter)};
}

double windowShortfall(const EdgeLevels& edges, EdgeSet set) {
    // Outside the window, in all, is a convex piecewise-linear function of the
    // length; its least value lies at 0 or at a corner: where an edge's level
    // meets its window's minimum or maximum, or where two edges of a band cross.
    const std::vector<EdgeRange> bands = bandsOf(set);
    std::vector<double> corners{0};
    const auto consider = [&](Checked meters) {
        if (meters.value() > 0) {
            corners.push_back(meters.value());
        }
    };
    for (const EdgeRange& band : bands) {
        for (std::size_t e = band.first; e < band.last; ++e) {
            const EdgeLevel& edge = edges[e];
            consider((Checked(edge.levelIntoCable) - edge.window.maximum) * 100 / edge.lossPer100m);
            consider((Checked(edge.levelIntoCable) - edge.window.minimum) * 100 / edge.lossPer100m);
            for (std::size_t other = e + 1; other < band.last; ++other) {
                if (edges[other].lossPer100m != edge.lossPer100m) {
                    consider((Checked(edge.levelIntoCable) - edges[other].levelIntoCable) * 100 /
                             (Checked(edge.lossPer100m) - edges[other].lossPer100m));
                }
            }
        }
    }
    double least = INFINITY;
    for (const double meters : corners) {
        least = std::min(least, outside(edges, bands, meters));
    }
    return least;
}

std::optional<double> noLengthWorks(const EdgeLevels& edges, EdgeSet set,
                                    const DistanceRange& range) {
    const double shortfall = windowShortfall(edges, set);
    if (range.minimum > range.maximum || belowZeroAsPrinted(-shortfall)) {
        return shortfall;
    }
    return std::nullopt;
}

}  // namespace tarvelle::planning
