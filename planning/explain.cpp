#include "planning/explain.h"

#include <algorithm>
#include <optional>

#include "engine/checked_math.h"
#include "planning/printed_number.h"
#include "planning/verdict.h"

namespace tarvelle::planning {

namespace {

std::string edgeFrequency(const EdgeLevel& edge) {
    return megahertzText(edge.point.frequencyMHz);
}

// How far the set's coldest edge lies below its minimum at 0 m, when it does:
// then the feed is too weak, whatever the windows' width.
std::optional<double> feedDeficit(const EdgeLevels& atZero, EdgeSet set) {
    const std::size_t first = set == EdgeSet::Digital ? 2 : 0;
    const std::size_t last = set == EdgeSet::Analog ? 2 : 4;
    double deficit = 0;
    for (std::size_t e = first; e < last; ++e) {
        deficit =
            std::max(deficit, (Checked(atZero[e].window.minimum) - atZero[e].received).value());
    }
    return belowZeroAsPrinted(-deficit) ? std::optional<double>(deficit) : std::nullopt;
}

std::string_view setName(EdgeSet set) {
    switch (set) {
        case EdgeSet::Analog:
            return "the analog band";
        case EdgeSet::Digital:
            return "the digital band";
        case EdgeSet::Both:
            break;
    }
    return "the worst case";
}

}  // namespace

std::string noLengthWorksLine(EdgeSet set, double shortfall) {
    const std::string amount =
        !belowZeroAsPrinted(-shortfall) ? "less than 0.01 dB" : fixed(shortfall) + " dB";
    switch (set) {
        case EdgeSet::Analog:
            return "No length works for the analog band: its receiver window is " + amount +
                   " too narrow for the levels at the outlet.";
        case EdgeSet::Digital:
            return "No length works for the digital band: its receiver window is " + amount +
                   " too narrow for the levels at the outlet.";
        case EdgeSet::Both:
            break;
    }
    return "No length works for the worst case: the two receiver windows are together " + amount +
           " too narrow for the levels at the outlet.";
}

std::vector<std::string> noLengthWorksLines(const CalculationInputs& inputs,
                                            const FrequencyPlan& plan, const Distances& distances) {
    const EdgeLevels edges = levelsAtLength(inputs, plan, 0);
    std::vector<std::string> lines;
    const std::array<std::pair<EdgeSet, DistanceRange>, 3> sets{{
        {EdgeSet::Analog, distances.analog},
        {EdgeSet::Digital, distances.digital},
        {EdgeSet::Both, distances.worstCase},
    }};
    for (const auto& [set, range] : sets) {
        const auto shortfall = noLengthWorks(edges, set, range);
        if (!shortfall) {
            continue;
        }
        if (const auto deficit = feedDeficit(edges, set)) {
            lines.push_back("No length works for " + std::string(setName(set)) +
                            ": the feed is too weak, " + fixed(*deficit) +
                            " dB below the receiver minimum even at 0 m; add at least " +
                            fixed(*deficit) + " dB at the source.");
        } else {
            lines.push_back(noLengthWorksLine(set, *shortfall));
        }
    }
    return lines;
}

std::array<ColumnLabel, 7> budgetColumns(LevelUnit unit) {
    const std::string levels(unitLabel(unit));
    return {{
        {"MHz", "the band edge's frequency"},
        {"into cable", "level into the cable = input level + product gain, " + levels},
        {"loss/100m", "the cable's loss per 100 m at that frequency, dB"},
        {"cable loss", "the loss of this run at that frequency, dB"},
        {"received", "level at the outlet = into cable - cable loss, " + levels},
        {"above min", "how far the received level lies above the receiver minimum, dB"},
        {"below max", "how far the received level lies below the receiver maximum, dB"},
    }};
}

std::string tiltLine(std::string_view bandName, const EdgeLevel& low, const EdgeLevel& high,
                     double lengthMeters) {
    const double tilt = cableTilt(low, high, lengthMeters);
    const double difference = (Checked(low.received) - high.received).value();
    const std::string lowName = edgeFrequency(low);
    const std::string highName = edgeFrequency(high);
    std::string line = std::string(bandName) + ", " + lowName + " to " + highName +
                       ": cable tilt " + fixed(tilt) + " dB (the run loses that much more at " +
                       highName + " than at " + lowName + "); level difference at the outlet ";
    if (difference >= 0) {
        line += fixed(difference) + " dB (" + highName + " below " + lowName + ")";
    } else {
        line += fixed(-difference) + " dB (" + highName + " above " + lowName + ")";
    }
    return line + ".";
}

}  // namespace tarvelle::planning
