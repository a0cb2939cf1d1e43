#!/usr/bin/env bash
# The batch check of tarvelle-cli at size: a runs file of 1,000,000 and one of
# 10,000,000 rows, checked in each output format, with the wall time and the
# peak resident memory of each run (GNU time), and the processor time it took,
# which other work on a shared machine does not inflate. Targets: 1,000,000
# rows within 1.0 s, and under 16 MiB of peak memory at both sizes.
#   bash bench/cli_batch.sh path/to/tarvelle-cli
set -euo pipefail
cli=${1:?usage: cli_batch.sh path/to/tarvelle-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Rooms on floors, lengths from 5 to 95 m with a few in feet: some runs pass,
# some are too short or too long.
make_runs() {
    awk -v rows="$1" 'BEGIN {
        print "room,length"
        for (i = 1; i <= rows; i++) {
            metres = 5 + (i * 37) % 9000 / 100
            if (i % 7 == 0) printf "F%d-%07d,%.2fft\n", i % 40, i, metres / 0.3048
            else printf "F%d-%07d,%.2fm\n", i % 40, i, metres
        }
    }'
}

printf '%-10s %-6s %10s %10s %12s\n' rows format "wall (s)" "CPU (s)" "peak (MiB)"
for rows in 1000000 10000000; do
    make_runs "$rows" > "$work/runs.csv"
    for format in text csv json; do
        /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$cli" --pin 20 --product 8-port \
            --cable cat6 --runs "$work/runs.csv" --format "$format" > /dev/null 2> "$work/err" ||
            (($? == 1))
        # GNU time puts "Command exited with non-zero status 1" first for a failing run.
        read -r wall user system kib < <(tail -n 1 "$work/time")
        printf '%-10s %-6s %10s %10s %12s\n' "$rows" "$format" "$wall" \
            "$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')" \
            "$(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')"
    done
done
