#pragma once

// The runs a chart shows: each run's length and verdict, merged into a
// bounded number of marks so that a file of any size draws in the same memory
// and a chart of a million runs stays readable. Lengths are kept to the
// centimetre while the marks fit; beyond that, neighbouring lengths merge into
// marks 2, 4, 8... cm wide. Runs longer than the chart's limit are only counted.

#include <cstddef>
#include <map>
#include <vector>

namespace tarvelle::planning {

inline constexpr std::size_t kMaxRunMarks = 400;

class RunMarks {
  public:
    explicit RunMarks(double limitMeters) : limitMeters_(limitMeters) {}

    // A run on another cable or product than the chart's is marked by its
    // own verdict, which the chart's lines do not show; such runs are counted.
    void add(double meters, bool pass, bool onChartInputs = true);

    struct Mark {
        double meters;  // the middle of the lengths merged into this mark
        std::size_t passed;
        std::size_t failed;
    };
    // By length.
    std::vector<Mark> marks() const;

    std::size_t total() const { return total_; }
    // Runs longer than the limit, which the chart does not draw.
    std::size_t beyondLimit() const { return beyondLimit_; }
    std::size_t onOtherInputs() const { return onOtherInputs_; }
    double limitMeters() const { return limitMeters_; }
    // How wide a length range one mark stands for.
    double resolutionMeters() const { return resolution_; }
    // The longest run drawn, 0 before any.
    double longestMeters() const { return longest_; }

  private:
    struct Counts {
        std::size_t passed = 0;
        std::size_t failed = 0;
    };

    void coarsen();

    double limitMeters_;
    double resolution_ = 0.01;
    // Keyed by the length in units of the resolution, rounded.
    std::map<double, Counts> counts_;
    std::size_t total_ = 0;
    std::size_t beyondLimit_ = 0;
    std::size_t onOtherInputs_ = 0;
    double longest_ = 0;
};

}  // namespace tarvelle::planning
