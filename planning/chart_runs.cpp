#include "planning/chart_runs.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "planning/chart_palette.h"
#include "planning/markup.h"
#include "planning/printed_number.h"
#include "planning/wording.h"

namespace tarvelle::planning {

namespace {

constexpr double kBarsHeight = 50;
// A band's part with a single run among many still shows.
constexpr double kLeastPart = 2;

// Light for passing runs and dark for failing ones, so that grey tells them apart.
std::string passStyle() {
    return attribute("fill", kPassColour) + " fill-opacity=\"0.3\"" +
           attribute("stroke", kPassColour);
}
std::string failStyle() {
    return attribute("fill", kFailColour) + attribute("stroke", kFailColour);
}

// At most four characters, to fit the narrowest band: 950, 9.5k, 95k, 950k, 9.5M.
std::string shortCount(std::size_t count) {
    if (count < 1000) {
        return std::to_string(count);
    }
    const double value = static_cast<double>(count);
    for (const auto& [scale, suffix] :
         {std::pair{1e3, "k"}, std::pair{1e6, "M"}, std::pair{1e9, "G"}}) {
        if (value / scale < 9.95) {
            return formatNumber(value / scale, 1) + suffix;
        }
        if (value / scale < 999.5) {
            return formatNumber(value / scale, 0) + suffix;
        }
    }
    return formatNumber(value / 1e12, 0) + "T";
}

std::string bandTitle(const RunMarks::Band& band) {
    return counted(band.passed + band.failed, "run", "runs") + " from " + fixed(band.from) +
           " to " + fixed(band.to) + " m: " + std::to_string(band.passed) + " pass, " +
           std::to_string(band.failed) + " fail";
}

std::string notes(const RunMarks& runs) {
    std::string note;
    if (runs.onOtherInputs() > 0) {
        note = std::to_string(runs.onOtherInputs()) +
               " on another cable or product, counted by their own verdict";
    }
    if (runs.beyondLimit() > 0) {
        note += std::string(note.empty() ? "" : "; ") + std::to_string(runs.beyondLimit()) +
                " longer than " + fixed(runs.limitMeters()) + " m not drawn";
    }
    return note;
}

}  // namespace

// Two, four or five bands to a tick.
double runBandWidth(const RunMarks& runs, double tickStep, double range) {
    const double mantissa = tickStep / std::pow(10, std::floor(std::log10(tickStep)));
    double wanted = tickStep / 5;
    if (mantissa > 1.5 && mantissa < 3) {
        wanted = tickStep / 4;
    } else if (mantissa < 1.5 && range / tickStep > 4) {
        wanted = tickStep / 2;
    }
    return runs.bandWidth(wanted);
}

double drawRunBands(Svg& svg, const Scale& meters, double tickStep, const RunMarks& runs,
                    double top) {
    const double width = runBandWidth(runs, tickStep, meters.high - meters.low);
    const std::vector<RunMarks::Band> bands = runs.bands(width);
    svg.text(meters.from, top + 12, "Runs by length, counted in bands of " + at(width) + " m",
             " font-weight=\"bold\"");
    const double base = top + 20 + kBarsHeight;
    const double passRow = base + 13;
    const double failRow = passRow + 13;
    svg.line(meters.from, base, meters.to, base, " stroke=\"#444\"");
    svg.text(meters.from - 8, passRow, "pass", " text-anchor=\"end\" font-size=\"11\"");
    svg.text(meters.from - 8, failRow, "fail", " text-anchor=\"end\" font-size=\"11\"");
    std::size_t most = 1;
    for (const RunMarks::Band& band : bands) {
        most = std::max(most, band.passed + band.failed);
    }
    const auto height = [&](std::size_t count) {
        return count == 0
                   ? 0.0
                   : std::max(kBarsHeight * static_cast<double>(count) / static_cast<double>(most),
                              kLeastPart);
    };
    for (const RunMarks::Band& band : bands) {
        const double left = meters.at(band.from);
        const double right = std::min(meters.at(band.to), meters.to);
        const double middle = (left + right) / 2;
        const double barWidth = std::max(right - left - 2, 1.0);
        const std::string font = right - left < 26 ? " font-size=\"9\"" : " font-size=\"10\"";
        svg.out << "  <g class=\"band\"><title>" << escapeMarkup(bandTitle(band)) << "</title>\n";
        const double passHeight = height(band.passed);
        const double failHeight = height(band.failed);
        if (band.passed > 0) {
            svg.rect(left + 1, base - passHeight, barWidth, passHeight, passStyle());
            svg.text(middle, passRow, shortCount(band.passed), " text-anchor=\"middle\"" + font);
        }
        if (band.failed > 0) {
            svg.rect(left + 1, base - passHeight - failHeight, barWidth, failHeight, failStyle());
            svg.text(middle, failRow, shortCount(band.failed),
                     " text-anchor=\"middle\" font-weight=\"bold\"" + font);
        }
        svg.out << "  </g>\n";
    }
    double below = failRow + 6;
    if (const std::string note = notes(runs); !note.empty()) {
        svg.text(meters.from, failRow + 16, note, " font-size=\"11\" fill=\"#333\"");
        below += 12;
    }
    return below;
}

void runBandsLegend(Svg& svg, double x, double y, const RunMarks& runs) {
    svg.rect(x, y - 8, 30, 14, passStyle());
    svg.text(x + 38, y + 4, "runs that pass, light (" + std::to_string(runs.passed()) + ")");
    svg.rect(x, y + 12, 30, 14, failStyle());
    svg.text(x + 38, y + 24,
             "runs that fail, dark (" + std::to_string(runs.total() - runs.passed()) + ")");
}

}  // namespace tarvelle::planning
