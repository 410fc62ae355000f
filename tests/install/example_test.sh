#!/usr/bin/env bash
# The outside gap buffer (examples/gapbuf) checked as an instructor would, through the build
# tree installed into a scratch prefix: workbench check-buffer passes it, and passes it through
# the CMake package's workbench_check_buffer under CTest; a copy with one planted fault fails
# with the commands that replay it; a missing compiler and a file that does not compile are
# refused with status 2.
# usage: example_test.sh <build dir> <source dir> <C compiler> [the build's C flags]
set -euo pipefail
build=$1
source=$2
export CC=$3
# The archives of a sanitizer build need its runtime in whatever links them.
read -r -a flags <<<"${4:-}"
example=$source/examples/gapbuf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
check=("$work/prefix/bin/workbench" check-buffer)

fail() { echo "FAILED: $*" >&2; exit 1; }

"${check[@]}" "$example/gapbuf.c" >"$work/out" 2>&1 || fail "check-buffer on gapbuf.c: $(cat "$work/out")"
[ "$(tail -n 1 "$work/out")" = "all 23 cases pass" ] || fail "gapbuf.c: $(tail -n 3 "$work/out")"

# The planted fault: a forward step can no longer pass the last character.
sed 's/if (buffer->gapEnd < buffer->size) {/if (buffer->gapEnd < buffer->size - 1) {/' \
    "$example/gapbuf.c" >"$work/planted.c"
! cmp -s "$example/gapbuf.c" "$work/planted.c" || fail "the fault was not planted"
status=0
"${check[@]}" "$work/planted.c" >"$work/out" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "planted fault: status $status"
# Every case runs: the three random runs fail, each cut down; the first is compared whole.
[ "$(tail -n 1 "$work/out")" = "passed 20 of 23 cases: 20 of 23 points" ] ||
    fail "planted fault: $(tail -n 1 "$work/out")"
diff -u "$source/tests/install/example/planted_expected.txt" \
    <(sed -n '/^FAIL/,$p' "$work/out" | sed '1p;1d;/^FAIL/,$d') ||
    fail "planted fault: not the expected report"

# The failing case replays in bufdemo: a bundled module prints the expected output for it.
first=$(sed -n '/^FAIL/,$p' "$work/out" | sed '1p;1d;/^FAIL/,$d')
replay=$(printf '%s\n' "$first" | sed -n '/^Replay/,/^(cut/p' | sed '1d;$d')
expected=$(printf '%s\n' "$first" | sed -n '/expected:$/,/^Actual/p' | sed '1d;$d')
[ "$(printf '%s\n' "$replay" | "$build/bin/bufdemo-pilerow" | tail -n 3)" = "$expected" ] ||
    fail "the replay does not give the expected output in bufdemo"

# From CMake, under CTest.
cmake -S "$example" -B "$work/cmake" -G Ninja -DCMAKE_C_COMPILER="$CC" \
    -DCMAKE_C_FLAGS="${flags[*]}" -DCMAKE_EXE_LINKER_FLAGS="${flags[*]}" \
    -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake" >"$work/out" || fail "building the example: $(cat "$work/out")"
ctest --test-dir "$work/cmake" --output-on-failure >/dev/null || fail "ctest on the example"

# Refusals: status 2 with a clear message.
refused() {  # refused <message pattern> <command...>
    local status=0
    "${@:2}" >"$work/out" 2>&1 || status=$?
    [ "$status" = 2 ] && grep -q "$1" "$work/out" || fail "${*:2}: status $status, $(cat "$work/out")"
}
refused "cannot run no-such-cc" env CC=no-such-cc "${check[@]}" "$example/gapbuf.c"
echo 'this is not C' >"$work/broken.c"
status=0
"${check[@]}" "$work/broken.c" >"$work/out" 2>&1 || status=$?
[ "$status" = 1 ] && grep -q "broken.c does not compile" "$work/out" &&
    grep -q "^passed 0 of 23 cases: 0 of 23 points$" "$work/out" ||
    fail "broken.c: status $status, $(cat "$work/out")"
refused "usage: workbench check-buffer" "${check[@]}"
echo "gapbuf.c passes through check-buffer and CTest, its planted fault fails with its replay"
