#!/usr/bin/env bash
# Builds an optimised tree and runs the benchmarks: the engine, a Calculate
# click through the real window, start-up against a bare window, and resident
# memory at rest against a bare window, and tarvelle-cli checking a million and
# ten million runs. Benchmarks are never part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh libbenchmark-dev time

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLE_BUILD_TESTS=OFF \
    -DTARVELLE_BUILD_BENCHMARKS=ON
cmake --build build/bench
build/bench/bench/engine_bench
build/bench/bench/plan_bench
build/bench/bench/window_bench
build/bench/bench/planner_bench 100000
main=$(build/bench/bench/window_bench --resident main)
bare=$(build/bench/bench/window_bench --resident bare)
echo "Resident memory at rest: main window ${main} KiB, bare window ${bare} KiB," \
    "ratio $(awk "BEGIN { printf \"%.2f\", $main / $bare }")"
bash bench/cli_batch.sh build/bench/cli/tarvelle-cli
