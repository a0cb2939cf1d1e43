#!/usr/bin/env bash
# Draws the build's own target graph (CMake's --graphviz) as docs/layers.svg:
# the libraries and programs of the project and which links which, the
# faces at the top and the engine's core at the bottom.
#   bash scripts/layers-picture.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$build/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_INTERFACE_LIBS FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS "test|fuzz|bench|_autogen|_resources_|window_pictures|tarvelle_build_options|tarvelle_version|tarvelle_test_data|manual")
OPTIONS
(cd "$build" && cmake --graphviz="$work/targets.dot" . > /dev/null)
# Without CMake's legend.
awk '/^subgraph clusterLegend/ { skip = 1 } !skip { print } skip && /^}/ { skip = 0 }' \
    "$work/targets.dot" > "$work/layers.dot"
dot -Tsvg "$work/layers.dot" > docs/layers.svg
