#!/usr/bin/env bash
# Runs the buffer benchmarks and the two experiments in the bench preset's Release build, keeping
# the data in build/bench/plots/ (a few minutes), then draws the plots under docs/ with gnuplot;
# `bench/plots.sh --draw-only` draws again from the data of the last run.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v gnuplot >/dev/null || { echo "plots.sh: gnuplot is missing; install the Debian" \
    "package gnuplot-nox (apt-get install gnuplot-nox)" >&2; exit 1; }
bin=build/bench/bench
data=build/bench/plots
# The declared buffer modules (buffers/CMakeLists.txt), the outside gap buffer of examples/ and
# their peer std::string.
[ -f build/bench/workbench-lists.sh ] || cmake --preset bench >/dev/null
# shellcheck source=/dev/null
source build/bench/workbench-lists.sh
subjects="$WB_BUFFER_MODULES gapbuf string"
read -r -a benches <<<"$(printf '%s_bench ' $subjects)"

measure() {
    cmake --preset bench >/dev/null
    cmake --build --preset bench --target "${benches[@]}" experiments
    mkdir -p "$data"

    # Cost per operation against text length; std::string at the long texts only.
    ops='TypeAtEnd|TypeInMiddle|StepForward|StepBackward|Jumps'
    for subject in $subjects; do
        filter="^($ops)/$subject/"
        [ "$subject" = string ] && filter="$filter[0-9]{4}"
        echo "running ${subject}_bench" >&2
        "$bin/${subject}_bench" --benchmark_filter="$filter" \
            --benchmark_min_time=0.05 --benchmark_out="$data/$subject.csv" \
            --benchmark_out_format=csv >/dev/null 2>&1
    done
    # One file per operation and subject: length, nanoseconds per operation.
    rm -f "$data"/*.dat
    for subject in $subjects; do cat "$data/$subject.csv"; done | awk -F, -v dir="$data" '
        $1 ~ /^"[A-Za-z]+\/[a-z]+\/[0-9]+(\/min_time:[0-9.]+)?"$/ {
            name = $1; gsub(/"/, "", name); split(name, part, "/")
            if ($7 > 0) print part[3], 1e9 / $7 > (dir "/" part[1] "-" part[2] ".dat")
        }'

    echo "running the experiments" >&2
    "$bin/experiments" 1000 search >"$data/treecost.dat"
    "$bin/experiments" 1000 probes >"$data/probe.dat"
}

[ "${1:-}" = --draw-only ] || measure
mkdir -p docs

gnuplot <<GNUPLOT
set terminal svg size 1000,640 dynamic enhanced font 'sans,11' background rgb 'white'
set output 'docs/buffer-costs.svg'
set multiplot layout 2,3 title 'Cost of one operation against text length (log-log)'
set logscale xy; set format x '%.0s%c'; set format y '10^{%L}'; set grid; set key top left font ',9'
set xlabel 'characters in the text'; set ylabel 'ns per operation'
d = '$data'
plotop(op) = sprintf("plot for [s in '$subjects'] d.'/%s-'.s.'.dat' using 1:2 with linespoints title s", op)
set title 'typing at the end'; eval plotop('TypeAtEnd')
set title 'typing at a cursor in the middle'; eval plotop('TypeInMiddle')
set title 'one step forward'; eval plotop('StepForward')
set title 'one step backward'; eval plotop('StepBackward')
set title 'a jump to the start or the end'; eval plotop('Jumps')
unset multiplot

set output 'docs/search-cost.svg'
set multiplot layout 1,1
set title 'Search cost in the unbalanced tree: average visits over 1000 seeded runs of 100 searches'
set logscale x; unset logscale y; set format x '%g'; set format y '%g'; set key top left font ',10'
set xlabel 'n, keys drawn for the tree'; set ylabel 'nodes visited per search'
plot d.'/treecost.dat' using 1:2 with points pt 7 title 'measured (treecost step)', \
     '' using 1:4 with lines lw 2 title '2(H(n+1) - 1), a miss in a random tree', \
     '' using 1:3 with lines lw 2 dt 2 title 'log2 n, as the program prints'
unset multiplot

set output 'docs/hash-probes.svg'
set multiplot layout 1,1
set title 'Probes per search in the 300-slot table against load factor (1000 seeded loads each)'
unset logscale x; set logscale y; set format y '%g'; set key top left font ',10'
set xlabel 'load factor a'; set ylabel 'probes per search'; set xrange [0:1]; set yrange [1:1000]
plot d.'/probe.dat' using 1:2 with linespoints pt 7 title 'successful, measured', \
     '' using 1:3 with linespoints pt 5 title 'unsuccessful, measured', \
     0.5*(1 + 1/(1-x)) with lines dt 2 title '1/2(1 + 1/(1-a))', \
     0.5*(1 + 1/(1-x)**2) with lines dt 2 title '1/2(1 + 1/(1-a)^2)'
unset multiplot
GNUPLOT
echo "wrote docs/buffer-costs.svg docs/search-cost.svg docs/hash-probes.svg" >&2
