#pragma once

// How many runs pass at each feed level, in bounded memory: a fixed number
// of buckets, one 0.01 dB step wide while the runs' feed levels spread over
// less than half of them, and twice as wide each time they spread further.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvelle::planning {

class FeedHistogram {
  public:
    static constexpr std::int64_t kBuckets = std::int64_t{1} << 14;  // 163.84 dB at 0.01 dB

    FeedHistogram();

    // One run that passes from `lowest` to `highest` hundredths of a dB.
    void add(std::int64_t lowest, std::int64_t highest);

    // The lowest span of levels at which the most runs pass: exact while the
    // step is 0.01 dB; with wider steps, the runs touching the span.
    struct Peak {
        std::int64_t lowest;  // hundredths of a dB
        std::int64_t highest;
        std::size_t runs;
        std::int64_t step;
    };
    std::optional<Peak> peak() const;

  private:
    void refit(std::int64_t low, std::int64_t high);

    std::int64_t step_ = 1;   // hundredths of a dB per bucket
    std::int64_t first_ = 0;  // level / step_ of bucket 0
    std::int64_t occupiedLow_ = 0;
    std::int64_t occupiedHigh_ = -1;
    // Per bucket, how many passing spans start and end in it.
    std::vector<std::uint64_t> starts_;
    std::vector<std::uint64_t> ends_;
};

}  // namespace tarvelle::planning
