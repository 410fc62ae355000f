#!/usr/bin/env bash
# How long workbench check takes, compile included, from the build tree installed into a scratch
# prefix: the gap buffer, which passes every case; and a copy whose jump to the end loops
# forever, under a time limit of 2 seconds, as a multiple of that limit. Figures, not pass or
# fail: they depend on the machine and its load.
# usage: check_speed.sh <build dir> <source dir> [runs]
set -euo pipefail
build=$1
source=$2
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
check=("$work/prefix/bin/workbench" check buffer)
gapbuf=$source/examples/gapbuf/gapbuf.c
sed 's/^    buffer->gapEnd = buffer->size;$/&\n    for (;;) {\n    }/' "$gapbuf" >"$work/loop.c"

# best <label> <command...>: the least wall-clock time of the runs, in seconds.
best() {
    local label=$1 least="" start end
    shift
    for _ in $(seq "$runs"); do
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s.%N)
        least=$(echo "$start $end $least" | awk '{t = $2 - $1; print ($3 == "" || t < $3) ? t : $3}')
    done
    printf '%-44s %6.2f s\n' "$label" "$least"
    echo "$least" >"$work/last"
}
best "correct module, whole check" "${check[@]}" "$gapbuf"
best "loop in MoveCursorToEnd, --timeout 2" "${check[@]}" --timeout 2 "$work/loop.c"
awk '{printf "%-44s %6.2f x the limit\n", "  that is", $1 / 2}' "$work/last"
