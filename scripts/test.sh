#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELLE_WERROR=ON
cmake --build build/test
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure
