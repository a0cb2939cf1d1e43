#!/usr/bin/env bash
# Builds everything and runs every test, headless: the engine's fuzz targets
# for a bounded time, then all tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then all tests in a plain build with warnings as
# errors. TARVELLE_FUZZ_SECONDS sets the time per fuzz target (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
export QT_QPA_PLATFORM=offscreen

fuzz_seconds=${TARVELLE_FUZZ_SECONDS:-60}
cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/fuzz
for target in number_rule calculation_run runs_file; do
    found=build/fuzz/found/$target
    mkdir -p "$found"
    echo "Fuzzing $target for ${fuzz_seconds}s"
    if ! "build/fuzz/${target}_fuzz" -max_total_time="$fuzz_seconds" -artifact_prefix=build/fuzz/ \
        "$found" "tests/fuzz/corpus/$target" > "build/fuzz/$target.log" 2>&1; then
        tail -n 40 "build/fuzz/$target.log"
        echo "Fuzz target $target failed; the crashing input is in build/fuzz/"
        exit 1
    fi
    grep -E '^Done [0-9]+ runs' "build/fuzz/$target.log"
done

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELLE_WERROR=ON \
    -DTARVELLE_SANITIZE=ON
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/sanitize --output-on-failure

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELLE_WERROR=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure
