#!/usr/bin/env bash
# Runs tarvelle-cli over the recorded corpus and writes what it printed, its
# exit status and the files it wrote into OUTDIR, one file per case.
#   run_cli.sh path/to/tarvelle-cli path/to/tests/data OUTDIR
set -euo pipefail
cli=$(realpath "$1")
data=$(realpath "$2")
out=$(realpath -m "$3")
here=$(dirname "$(realpath "$0")")
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SOURCE_DATE_EPOCH=1780000000 LC_ALL=C

cp "$here/building.csv" building.csv
cp "$here/../../docs/building-a.csv" building-a.csv
cp "$here/../../docs/building-six-storeys.csv" building-six-storeys.csv
bash "$here/make_runs.sh" > runs-10000.csv

# case NAME ARGS...: standard output, standard error and the exit status.
case_() {
    local name=$1
    shift
    local status=0
    "$cli" "$@" > "$out/$name.out" 2> "$out/$name.err" || status=$?
    echo "$status" > "$out/$name.status"
}

# Every command of the README.
case_ readme-distances --pin 20 --product 8-port --cable cat6
case_ readme-length --pin 20 --product 8-port --cable cat6 --length 45m
case_ readme-warning --pin 30
case_ readme-runs --pin 20 --product 8-port --cable cat6 --runs building.csv
case_ readme-runs-csv --pin 20 --product 8-port --cable cat6 --runs building.csv --format csv
case_ readme-choose --pin 20 --runs building-a.csv --choose
case_ readme-choose-length --pin 26 --length 85m --choose
case_ readme-report --pin 20 --product 8-port --cable cat6 --runs building-a.csv --report building-a.html
mv building-a.html "$out/readme-report.html"
case_ readme-units --units dBuV --pin 80 --product 8-port --cable cat6 --length 45m
case_ readme-plot --pin 20 --product 8-port --cable cat6 --runs building-a.csv --plot chart.svg
mv chart.svg "$out/readme-plot.svg"
case_ readme-building-choose --pin 20 --runs building-six-storeys.csv --choose
case_ readme-feed-range --pin 20 --product 8-port --runs building-six-storeys.csv --feed-range
case_ readme-building-report --pin 18.26 --product 8-port --runs building-six-storeys.csv \
    --report building.html --project "Harbour View, block B" --site "14 Quay Street" \
    --prepared-by "A. Installer"
mv building.html "$out/readme-building-report.html"
case_ help --help
case_ version --version

# Each format: one length, a runs file with faults, the choice.
for format in text csv json; do
    case_ "length-$format" --pin 20 --product 8-port --cable cat6 --length 45m --format "$format"
    case_ "warning-$format" --pin 30 --length 20m --format "$format"
    case_ "runs-10000-$format" --pin 20 --product 8-port --cable cat6 --runs runs-10000.csv \
        --format "$format"
    case_ "choose-$format" --pin 20 --runs building-a.csv --choose --format "$format"
    case_ "choose-10000-$format" --pin 20 --runs runs-10000.csv --choose --format "$format"
    case_ "units-$format" --units dBuV --pin 80 --runs building.csv --format "$format"
done
case_ report-plot-10000 --units dBuV --pin 80 --product 16-port --cable cat6a \
    --runs runs-10000.csv --report r.html --plot c.svg
mv r.html "$out/report-plot-10000.html"
mv c.svg "$out/report-plot-10000.svg"
case_ report-length --pin 26 --length 85m --plan 1 --report r.html
mv r.html "$out/report-length.html"

# The worked examples and the recorded sweep: every row the command line can
# take (a product, a cable, a plan, '.' as the decimal separator), its
# figures and messages in one file each.
sweep() {
    local source=$1 name=$2 first=$3
    local status
    while IFS=$'\t' read -r -a f; do
        [[ ${f[0]} == \#* || ${f[0]} == "" ]] && continue
        [[ $first == 1 && ${f[0]} != . ]] && continue
        local p=${f[1]} c=${f[2]} plan=${f[3]}
        ((p >= 0 && c >= 0 && plan > 0)) || continue
        echo "## ${f[*]:0:9}"
        status=0
        "$cli" --product "$p" --cable "$c" --plan "$plan" "--pin=${f[4]}" "--pmin-analog=${f[5]}" \
            "--pmin-digital=${f[6]}" "--pmax-analog=${f[7]}" "--pmax-digital=${f[8]}" 2>&1 ||
            status=$?
        echo "exit $status"
    done < "$source"
}
sweep "$data/worked_examples.tsv" worked 0 > "$out/worked-examples.out"
sweep "$data/calculation_sweep.tsv" sweep 1 > "$out/sweep.out"
