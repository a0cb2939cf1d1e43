#include "planning/run_order.h"

#include <algorithm>
#include <numeric>

#include "planning/plan_results.h"

namespace tarvelle::planning {

namespace {

// How many comparisons are made between two looks at whether to stop.
constexpr std::size_t kStopStride = 1 << 16;

// A run's value by a key other than its identifier: runs of a lower group
// come first, then the lower value.
struct Keyed {
    int group = 0;
    double value = 0;
    std::uint32_t run = 0;
};

Keyed keyed(RunKey key, const PlannedRun& run, const RunResult& result, std::uint32_t position) {
    const bool computed = result.status == RunStatus::Computed;
    switch (key) {
        case RunKey::Length:
            return {0, run.meters, position};
        case RunKey::Cable:
            return {0, static_cast<double>(run.combination.cable), position};
        case RunKey::Product:
            return {0, static_cast<double>(run.combination.product), position};
        case RunKey::Margin:
            return computed ? Keyed{1, result.margin, position} : Keyed{0, 0, position};
        case RunKey::Verdict:
            return computed ? Keyed{result.pass ? 2 : 1, result.margin, position}
                            : Keyed{0, 0, position};
        default:
            return computed ? Keyed{1,
                                    result.received[static_cast<std::size_t>(key) -
                                                    static_cast<std::size_t>(RunKey::Level0)],
                                    position}
                            : Keyed{0, 0, position};
    }
}

}  // namespace

std::vector<std::uint32_t> runOrder(std::span<const PlannedRun> runs,
                                    std::span<const RunResult> results, RunSort sort,
                                    const std::atomic<bool>& stop) {
    std::size_t compared = 0;
    const auto stopIfAsked = [&] {
        if (++compared % kStopStride == 0 && stop.load(std::memory_order_relaxed)) {
            throw CheckStopped();
        }
    };
    // Ties broken by the position, so that either way they keep the file's order.
    std::vector<std::uint32_t> order(runs.size());
    std::iota(order.begin(), order.end(), 0U);
    if (sort.key == RunKey::Identifier) {
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            stopIfAsked();
            const int compare = runs[a].id.compare(runs[b].id);
            return compare != 0 ? (sort.descending ? compare > 0 : compare < 0) : a < b;
        });
        return order;
    }
    const RunResult waiting;
    std::vector<Keyed> keys;
    keys.reserve(runs.size());
    for (const std::uint32_t run : order) {
        keys.push_back(
            keyed(sort.key, runs[run], run < results.size() ? results[run] : waiting, run));
    }
    std::sort(keys.begin(), keys.end(), [&](const Keyed& a, const Keyed& b) {
        stopIfAsked();
        const auto left = std::pair(a.group, a.value);
        const auto right = std::pair(b.group, b.value);
        return left != right ? (sort.descending ? right < left : left < right) : a.run < b.run;
    });
    std::ranges::transform(keys, order.begin(), &Keyed::run);
    return order;
}

}  // namespace tarvelle::planning
