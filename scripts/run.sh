#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLE_BUILD_TESTS=OFF
cmake --build build/release
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Built build/release/app/tarvelle, but there is no display to show it on: start it from a desktop session."
    exit 0
fi
exec build/release/app/tarvelle
