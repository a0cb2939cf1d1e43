#!/usr/bin/env bash
# The batch check of tarvelle-cli at size: a runs file of 1,000,000 and one of
# 10,000,000 rows, checked in each output format, with the wall time and the
# peak resident memory of each run (GNU time), and the processor time it took,
# which other work on a shared machine does not inflate; then, on the
# 1,000,000 rows, an awk script doing the same per-row arithmetic (levels at
# the four band edges, smallest margin, verdict) and the ratio of its
# processor time to tarvelle-cli's CSV check. Targets: 1,000,000 rows within
# 0.2 s of processor time in each format, under 16 MiB of peak memory at both
# sizes.
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

# The same check as tarvelle-cli --pin 20 --product 8-port --cable cat6
# --format csv, written as a script would: Cat6's loss per 100 m and the 8-port
# hub's gains at 55, 550, 550 and 860 MHz, windows 0 to 15 and -12 to 15 dBmV.
awk_check() {
    awk -F, 'BEGIN {
        split("55 550 550 860", f, " "); split("0 15 15 15", g, " ")
        split("0 0 -12 -12", lo, " "); split("15 15 15 15", hi, " ")
        print "id,length_m,result,margin_db"
    }
    NR > 1 {
        m = $2 + 0
        if ($2 ~ /ft$/) m = m * 0.3048
        worst = 1e300
        for (e = 1; e <= 4; e++) {
            loss = 0.017 * f[e] + 1.808 * sqrt(f[e]) + 0.2 / sqrt(f[e])
            r = 20 + g[e] - loss * m / 100
            if (r - lo[e] < worst) worst = r - lo[e]
            if (hi[e] - r < worst) worst = hi[e] - r
        }
        printf "%s,%.2f,%s,%.2f\n", $1, m, (worst < -0.005 ? "fail" : "pass"), worst
    }' "$1"
}

cpu_of() {
    read -r wall user system kib < <(tail -n 1 "$1")
    awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }'
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
        if ((rows == 1000000)) && [[ $format == csv ]]; then
            cli_cpu=$(cpu_of "$work/time")
            /usr/bin/time -f '%e %U %S %M' -o "$work/awk-time" bash -c "$(declare -f awk_check); awk_check '$work/runs.csv'" > /dev/null
            awk_cpu=$(cpu_of "$work/awk-time")
        fi
    done
    if ((rows == 1000000)); then
        printf 'awk, the same per-row arithmetic on 1,000,000 rows: %s s of processor time; tarvelle-cli (CSV) %s s: %s times faster\n' \
            "$awk_cpu" "$cli_cpu" "$(awk -v a="$awk_cpu" -v c="$cli_cpu" 'BEGIN { printf "%.1f", a / (c > 0 ? c : 0.01) }')"
    fi
done
