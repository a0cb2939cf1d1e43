#include "planning/run_order.h"

#include <limits>
#include <tuple>

namespace tarvelle::planning {

namespace {

double orderedLevel(const RunResult& result, RunKey key) {
    if (result.status != RunStatus::Computed) {
        return -std::numeric_limits<double>::infinity();
    }
    return key == RunKey::Margin ? result.margin
                                 : result.received[static_cast<std::size_t>(key) -
                                                   static_cast<std::size_t>(RunKey::Level0)];
}

}  // namespace

bool sortsBefore(RunKey key, const PlannedRun& a, const RunResult& resultA, const PlannedRun& b,
                 const RunResult& resultB) {
    switch (key) {
        case RunKey::Identifier:
            return a.id < b.id;
        case RunKey::Length:
            return a.meters < b.meters;
        case RunKey::Cable:
            return a.combination.cable < b.combination.cable;
        case RunKey::Product:
            return a.combination.product < b.combination.product;
        case RunKey::Verdict: {
            const auto verdict = [](const RunResult& result) {
                return std::tuple(result.status == RunStatus::Computed, result.pass,
                                  orderedLevel(result, RunKey::Margin));
            };
            return verdict(resultA) < verdict(resultB);
        }
        default:
            return orderedLevel(resultA, key) < orderedLevel(resultB, key);
    }
}

}  // namespace tarvelle::planning
