#!/usr/bin/env bash
# Checks the report as an outside reader would: the Nu Html Checker (errors
# and warnings; its "info" notes are not counted) on a report and on its
# chart, and axe-core's accessibility rules, best practices included, run in
# Debian's chromium on the same report. The two checkers come from the npm
# registry into build/report-checks the first time; this is a check run by
# hand, never part of the build or the tests.
#   bash scripts/report-checks.sh [RUNS.csv]     (default: the sample building)
set -euo pipefail
cd "$(dirname "$0")/.."
# Node.js, npm and Java from Debian's packages where the machine has none of
# its own (a Node.js of another origin conflicts with Debian's npm).
extra=(chromium)
command -v java > /dev/null || extra+=(default-jre-headless)
command -v npm > /dev/null || extra+=(nodejs npm)
source scripts/ensure-packages.sh "${extra[@]}"
runs=${1:-docs/building-six-storeys.csv}
tools=build/report-checks
if [[ ! -d $tools/node_modules/axe-core ]]; then
    mkdir -p "$tools"
    (cd "$tools" && npm init -y > /dev/null &&
        npm install --no-audit --no-fund vnu-jar@26 axe-core@4 playwright-core@1 > /dev/null)
fi
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release --target tarvelle-cli > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/cli/tarvelle-cli --runs "$runs" --report "$work/report.html" --plot "$work/chart.svg" \
    --project "Sample" --site "Sample site" --prepared-by "Checker" > /dev/null || (($? == 1))

java -jar "$tools/node_modules/vnu-jar/build/dist/vnu.jar" --errors-only --also-check-svg \
    "$work/report.html" "$work/chart.svg" && echo "Nu Html Checker: no error"
java -jar "$tools/node_modules/vnu-jar/build/dist/vnu.jar" --also-check-svg \
    "$work/report.html" "$work/chart.svg" 2>&1 | grep -v ': info: ' | grep . &&
    { echo "Nu Html Checker: warnings above"; exit 1; }
echo "Nu Html Checker: no warning"
NODE_PATH="$tools/node_modules" node scripts/axe-check.js "$work/report.html"
