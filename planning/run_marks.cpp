#include "planning/run_marks.h"

#include <algorithm>
#include <cmath>

namespace tarvelle::planning {

namespace {

std::size_t indexOf(Combination on) {
    return static_cast<std::size_t>(on.product) * kCableCategories.size() +
           static_cast<std::size_t>(on.cable);
}

}  // namespace

void RunMarks::add(double meters, bool pass, Combination on) {
    ++total_;
    passed_ += pass ? 1 : 0;
    ++runsOn_.at(indexOf(on));
    onOtherInputs_ += on.product == shown_.product && on.cable == shown_.cable ? 0 : 1;
    if (!(meters <= limitMeters_)) {
        ++beyondLimit_;
        return;
    }
    longest_ = std::max(longest_, meters);
    Counts& counts = bins_[std::floor(std::round(meters * 100) / binCentimetres_)];
    (pass ? counts.passed : counts.failed) += 1;
    while (bins_.size() > kMaxRunBins) {
        coarsen();
    }
}

// 1, 2, 10, 20, 100... cm: each bin a whole number of the ones before.
void RunMarks::coarsen() {
    const double factor = coarsenings_++ % 2 == 0 ? 2 : 5;
    binCentimetres_ *= factor;
    std::map<double, Counts> merged;
    for (const auto& [key, counts] : bins_) {
        Counts& into = merged[std::floor(key / factor)];
        into.passed += counts.passed;
        into.failed += counts.failed;
    }
    bins_ = std::move(merged);
}

double RunMarks::bandWidth(double wanted) const {
    // 1, 2, 5, 10, 20, 50... cm.
    double centimetres = 1;
    for (int step = 0; std::isfinite(centimetres); ++step) {
        if (centimetres >= wanted * 100 && std::fmod(centimetres, binCentimetres_) == 0) {
            return centimetres / 100;
        }
        centimetres *= step % 3 == 1 ? 2.5 : 2;
    }
    return wanted;
}

std::vector<RunMarks::Band> RunMarks::bands(double width) const {
    const double widthCentimetres = std::round(width * 100);
    std::vector<Band> bands;
    double last = NAN;
    for (const auto& [key, counts] : bins_) {
        const double band = std::floor(key * binCentimetres_ / widthCentimetres);
        if (band != last) {
            bands.push_back(
                {band * widthCentimetres / 100, (band + 1) * widthCentimetres / 100, 0, 0});
            last = band;
        }
        bands.back().passed += counts.passed;
        bands.back().failed += counts.failed;
    }
    return bands;
}

std::size_t RunMarks::runsOn(Combination on) const {
    return runsOn_.at(indexOf(on));
}

}  // namespace tarvelle::planning
