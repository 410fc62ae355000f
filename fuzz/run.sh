#!/usr/bin/env bash
# Fuzzes one target of the fuzz preset's build on one core:
#   fuzz/run.sh <target> [seconds, default 600] [more libFuzzer options]
# Seeds come from fuzz/corpus/<target> (or fuzz/corpus/<source> for <source>_<module>), with
# fuzz/<source>.dict and the libFuzzer options in fuzz/<source>.options when there are. New
# inputs go to build/fuzz/corpus/<target> and crashes to build/fuzz/artifacts/, never into the
# tree: once a crash is fixed, copy it into the seeds, where it stays a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
target=$1
seconds=${2:-600}
shift $(($# < 2 ? $# : 2))
source=$target
[ -d "fuzz/corpus/$source" ] || source=${target%_*}
work=build/fuzz/corpus/$target
mkdir -p "$work" build/fuzz/artifacts
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -close_fd_mask=1 -artifact_prefix="build/fuzz/artifacts/$target-")
[ -f "fuzz/$source.dict" ] && options+=(-dict="fuzz/$source.dict")
[ -f "fuzz/$source.options" ] && read -ra more < "fuzz/$source.options" && options+=("${more[@]}")
exec "build/fuzz/fuzz/$target" "${options[@]}" "$@" "$work" "fuzz/corpus/$source"
