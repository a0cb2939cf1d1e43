#pragma once

// The runs a chart shows, counted: how many pass and fail in each band of
// length, and how many are on each product and cable. The counts are kept in
// a bounded number of bins, so that a file of any size draws in the same
// memory: bins of 1 cm while they fit, then 2, 10, 20, 100... cm, each a
// whole number of the bins before it. Lengths count as printed, to the
// centimetre. Runs longer than the chart's limit are only counted.

#include <array>
#include <cstddef>
#include <map>
#include <vector>

#include "engine/cable_table.h"
#include "engine/product_table.h"
#include "planning/plan_inputs.h"

namespace tarvelle::planning {

inline constexpr std::size_t kMaxRunBins = 1024;

class RunMarks {
  public:
    // `shown`: the product and cable the chart's lines are drawn for.
    RunMarks(double limitMeters, Combination shown) : limitMeters_(limitMeters), shown_(shown) {}

    // `on`: the run's own product and cable, whose verdict it carries.
    void add(double meters, bool pass, Combination on);

    // The narrowest band of 1, 2 or 5 times a power of ten metres, at least
    // `wanted` wide, that holds whole bins: every run then counts in the band
    // its printed length lies in.
    double bandWidth(double wanted) const;

    struct Band {
        double from;  // metres, the band holding [from, to)
        double to;
        std::size_t passed;
        std::size_t failed;
    };
    // Bands `width` metres wide from 0, by length; bands without runs are
    // left out.
    std::vector<Band> bands(double width) const;

    std::size_t total() const { return total_; }
    std::size_t passed() const { return passed_; }
    // Runs longer than the limit, which the chart does not draw.
    std::size_t beyondLimit() const { return beyondLimit_; }
    // Runs on another product or cable than the chart's lines.
    std::size_t onOtherInputs() const { return onOtherInputs_; }
    double limitMeters() const { return limitMeters_; }
    // The longest run drawn, 0 before any.
    double longestMeters() const { return longest_; }
    // Runs on a product and cable, drawn or not.
    std::size_t runsOn(Combination on) const;

  private:
    struct Counts {
        std::size_t passed = 0;
        std::size_t failed = 0;
    };

    void coarsen();

    double limitMeters_;
    Combination shown_;
    double binCentimetres_ = 1;
    int coarsenings_ = 0;
    // Keyed by the bin's start in bins.
    std::map<double, Counts> bins_;
    std::array<std::size_t, kProductConfigurations.size() * kCableCategories.size()> runsOn_{};
    std::size_t total_ = 0;
    std::size_t passed_ = 0;
    std::size_t beyondLimit_ = 0;
    std::size_t onOtherInputs_ = 0;
    double longest_ = 0;
};

}  // namespace tarvelle::planning
