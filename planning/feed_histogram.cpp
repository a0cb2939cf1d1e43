#include "planning/feed_histogram.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace tarvelle::planning {

namespace {

std::int64_t floorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

}  // namespace

FeedHistogram::FeedHistogram()
    : starts_(static_cast<std::size_t>(kBuckets)), ends_(static_cast<std::size_t>(kBuckets)) {}

void FeedHistogram::add(std::int64_t lowest, std::int64_t highest) {
    // Bucket numbers are level / step, so widening maps bucket b to b / 2.
    const bool empty = occupiedLow_ > occupiedHigh_;
    const auto spread = [&] {
        return std::pair{
            empty ? floorDiv(lowest, step_) : std::min(occupiedLow_, floorDiv(lowest, step_)),
            empty ? floorDiv(highest, step_) : std::max(occupiedHigh_, floorDiv(highest, step_))};
    };
    if (const auto [low, high] = spread(); low < first_ || high >= first_ + kBuckets) {
        refit(low, high);
    }
    std::tie(occupiedLow_, occupiedHigh_) = spread();
    ++starts_[static_cast<std::size_t>(floorDiv(lowest, step_) - first_)];
    ++ends_[static_cast<std::size_t>(floorDiv(highest, step_) - first_)];
}

void FeedHistogram::refit(std::int64_t low, std::int64_t high) {
    // Widen until the spread fills at most half the buckets, then centre it:
    // each refit then leaves room for a quarter on either side, so refits
    // stay rare however the runs arrive.
    std::int64_t factor = 1;
    while ((floorDiv(high, factor) - floorDiv(low, factor) + 1) * 2 > kBuckets) {
        factor *= 2;
    }
    const std::int64_t newLow = floorDiv(low, factor);
    const std::int64_t span = floorDiv(high, factor) - newLow + 1;
    const std::int64_t newFirst = newLow - (kBuckets - span) / 2;
    std::vector<std::uint64_t> starts(starts_.size());
    std::vector<std::uint64_t> ends(ends_.size());
    for (std::int64_t i = occupiedLow_ - first_; i <= occupiedHigh_ - first_; ++i) {
        const auto to = static_cast<std::size_t>(floorDiv(first_ + i, factor) - newFirst);
        starts[to] += starts_[static_cast<std::size_t>(i)];
        ends[to] += ends_[static_cast<std::size_t>(i)];
    }
    starts_.swap(starts);
    ends_.swap(ends);
    step_ *= factor;
    first_ = newFirst;
    occupiedLow_ = floorDiv(occupiedLow_, factor);
    occupiedHigh_ = floorDiv(occupiedHigh_, factor);
}

std::optional<FeedHistogram::Peak> FeedHistogram::peak() const {
    std::optional<Peak> best;
    std::uint64_t running = 0;
    bool extending = false;
    for (std::int64_t i = 0; i < kBuckets; ++i) {
        const auto at = static_cast<std::size_t>(i);
        running += starts_[at];
        const std::int64_t level = (first_ + i) * step_;
        if (running > 0 && (!best || running > best->runs)) {
            best = Peak{level, level + step_ - 1, static_cast<std::size_t>(running), step_};
            extending = true;
        } else if (extending && running == best->runs) {
            best->highest = level + step_ - 1;
        } else {
            extending = false;
        }
        running -= ends_[at];
    }
    return best;
}

}  // namespace tarvelle::planning
