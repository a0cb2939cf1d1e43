// The plan's cost per run: one run into a tally (its check at the feed and
// the span of feed levels at which it passes), and the fix for a failing one.
// --choose feeds each run to nine tallies.

#include <benchmark/benchmark.h>

#include "planning/plan_tally.h"
#include "planning/run_fix.h"

namespace {

using tarvelle::planning::PlanRun;
using tarvelle::planning::PlanScenario;

const PlanScenario kPresets{20, {0, 15}, {-12, 15}, 2};

void TallyOneRun(benchmark::State& state) {
    tarvelle::planning::PlanTally tally(kPresets);
    double meters = 8;
    for (auto _ : state) {
        tally.add(PlanRun{meters, {1, 1}});
        meters = meters < 95 ? meters + 0.37 : 8;
    }
    benchmark::DoNotOptimize(tally.summary());
}
BENCHMARK(TallyOneRun);

void FixOneRun(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvelle::planning::fixFor(kPresets, PlanRun{72, {1, 1}}));
    }
}
BENCHMARK(FixOneRun);

}  // namespace
