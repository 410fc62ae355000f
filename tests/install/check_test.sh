#!/usr/bin/env bash
# workbench check as an instructor uses it, through the build tree installed into a scratch
# prefix: each interface's own module passes, and passes through the CMake package's
# workbench_check under CTest; one planted fault per interface fails with the expected verdict
# and a script that replays it in the client; each kind of bad input (a loop, an exit, stray
# output, exhausted memory, a main, a missing operation, a leak, a double free, a crash, a file
# that does not compile) gets its verdict and a whole result file; the refusals give status 2.
# The bad input is a part of its own, so that the two run side by side.
# usage: check_test.sh modules|bad-input <build dir> <source dir> <C compiler> [the build's C flags]
set -euo pipefail
part=$1
build=$2
source=$3
export CC=$4
# The archives of a sanitizer build need its runtime in whatever links them.
read -r -a flags <<<"${5:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
check=("$work/prefix/bin/workbench" check)
gapbuf=$source/examples/gapbuf/gapbuf.c

fail() { echo "FAILED: $*" >&2; exit 1; }

# checked <status> <interface> <file> [options]: runs the check, output in $work/out.
checked() {
    local want=$1 status=0
    shift
    "${check[@]}" "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" = "$want" ] || fail "check $*: status $status, $(cat "$work/out" "$work/err")"
}

# Bad input, each in Gradescope's form: the change to the gap buffer, the case to look at and
# the start of its output. A sanitizer's faults are looked for where the compiler has one; its
# reports go unsymbolized, which only saves time.
bad_input() {
    checked 0 buffer "$gapbuf"
    grep -q "^Checking with AddressSanitizer" "$work/out" && sanitized=yes || sanitized=no
    export ASAN_OPTIONS=symbolize=0:hard_rss_limit_mb=512
    while IFS='|' read -r needs change kase verdict shows; do
        [ "$needs" = any ] || [ "$sanitized" = yes ] || continue
        sed "$change" "$gapbuf" >"$work/bad.c"
        ! cmp -s "$gapbuf" "$work/bad.c" || fail "not planted: $change"
        checked 1 buffer --timeout 2 --memory 128 --format gradescope --output "$work/results.json" \
            "$work/bad.c"
        python3 - "$work/results.json" "$kase" "$verdict" "$shows" <<'PY' || fail "bad input: $change"
import json, sys
results = json.load(open(sys.argv[1]))
assert results["score"] < 23, results["score"]
for test in results["tests"]:
    assert set(test) == {"name", "score", "max_score", "status", "output", "visibility"}, test
case = next(t for t in results["tests"] if t["name"] == sys.argv[2])
assert case["status"] == "failed" and case["output"].startswith(sys.argv[3]), case["output"][:300]
assert sys.argv[4].encode().decode("unicode_escape") in case["output"], case["output"][:600]
PY
    done <<'TABLE'
any|s/^    buffer->gapEnd = buffer->size;$/&\n    for (;;) {\n    }/|a jump to the end|timed out after 2 seconds in line 4|J\nF\nE\nIn the last command, expected:\n> E\n a b c\n      ^\n
any|s/^void DeleteCharacter(bufferADT buffer) {$/&\n    if (buffer->gapEnd == buffer->size) fputs("giving up\\n", stderr), exit(3);/|deleting the character after the cursor|ended early: exit status 3 in line|Standard error:\ngiving up\n
any|s/^void FreeBuffer(bufferADT buffer) {$/&\n    printf("bye\\n");/|mixed edits|wrong output at the end of input|At the end of input, expected:\n[nothing]\nActual:\nbye\n
any|s/^void DeleteCharacter(bufferADT buffer) {$/&\n    printf("deleted\\n");/|mixed edits|wrong output in line 1
any|s/^void DeleteCharacter(bufferADT buffer) {$/&\n    if (buffer->gapStart == 0) abort();/|deleting the character after the cursor|crashed: signal 6 (Aborted) in line|[killed by signal 6 (Aborted)]
any|s/^void InsertCharacter(bufferADT buffer, char ch) {$/&\n    if (ch == 'z')\n        for (;;) memset(GetBlock(1 << 26), 1, 1 << 26);/|typing past many blocks and back|ended early: out of memory (the limit is 128 MB) in line 1
any|$a int main(void) { return 0; }|mixed edits|not built
any|s/^void MoveCursorToStart(/static void Unused(/|mixed edits|not built
sanitized|s/^    FreeBlock(buffer->chars);$//|mixed edits|memory error: leak at the end of input
sanitized|s/^    FreeBlock(buffer);$/&\n    FreeBlock(buffer);/|mixed edits|memory error: double free at the end of input
sanitized|s/^void DisplayBuffer(bufferADT buffer) {$/&\n    if (buffer->gapStart == 3) *(volatile int *)16 = 0;/|the text and the caret column|crashed: segmentation fault in line 1
TABLE
    echo 'this is not C' >"$work/broken.c"
    checked 1 buffer --format prairielearn --output "$work/results.json" "$work/broken.c"
    grep -q 'broken.c does not compile' "$work/err" || fail "broken.c: $(cat "$work/err")"
    python3 -c 'import json, sys; r = json.load(open(sys.argv[1])); assert r["score"] == 0 and len(r["tests"]) == 23, r' \
        "$work/results.json" || fail "broken.c: not a whole result file"
}

if [ "$part" = bad-input ]; then
    bad_input
    exit 0
fi

# Each interface's own module passes.
checked 0 buffer "$gapbuf"
[ "$(tail -n 1 "$work/out")" = "all 23 cases pass" ] || fail "gapbuf.c: $(tail -n 3 "$work/out")"
# With --bench, it is timed beside each bundled module, each a table of its own: built without
# the sanitizers, which archives built with them (a sanitizer build's) cannot be.
if [[ " ${flags[*]} " != *" -fsanitize="* ]]; then
    checked 0 buffer --bench "$gapbuf"
    [ "$(grep -c ': nanoseconds per operation at each text length$' "$work/out")" = 5 ] ||
        fail "--bench: $(grep 'nanoseconds' "$work/out")"
fi
# A module slow but moving from line to line passes past its time limit: the first six displays
# of 26 characters in a case take half a second each, 3 s in one case, where the limit is 2 s.
sed -e '1i #include <unistd.h>' \
    -e 's/^void DisplayBuffer(bufferADT buffer) {$/&\n    static int slow = 6;\n    if (buffer->gapStart + buffer->size - buffer->gapEnd == 26 \&\& slow-- > 0) usleep(500000);/' \
    "$gapbuf" >"$work/slow.c"
checked 0 buffer --timeout 2 "$work/slow.c"
# Given a capacity, the gap buffer, which grows, goes on where the array buffer must end.
checked 1 buffer --capacity 100 "$gapbuf"
grep -qx "FAIL typing past the capacity ends with an Error: wrong output in line 1" \
    "$work/out" || fail "--capacity 100: $(grep '^FAIL' "$work/out")"
checked 0 scanner "$source/scanner/wordsift.cpp"
checked 0 set "$source/sets/sortbag.cpp"
checked 0 dictionary "$source/words/lotdraw.cpp"
grep -q "^all 14 cases pass$" "$work/out" || fail "lotdraw: $(tail -n 3 "$work/out")"

# A planted fault per interface: the module, the change, the first failing case's report line,
# and the line that replays it in the client after its last command's echo.
while IFS='|' read -r interface file change first; do
    sed "$change" "$source/$file" >"$work/planted.${file##*.}"
    ! cmp -s "$source/$file" "$work/planted.${file##*.}" || fail "not planted: $change"
    checked 1 "$interface" "$work/planted.${file##*.}"
    [ "$(grep -m 1 '^FAIL' "$work/out")" = "FAIL $first" ] ||
        fail "$interface: $(grep -m 1 '^FAIL' "$work/out")"
done <<'TABLE'
buffer|examples/gapbuf/gapbuf.c|s/if (buffer->gapEnd < buffer->size) {/if (buffer->gapEnd < buffer->size - 1) {/|random balanced edits: wrong output in line 3
scanner|scanner/wordsift.cpp|s/if (scanner->savedToken != nullptr) Error("Token has already been saved");//|second save ends the program: wrong output in line 4: the program must end there
set|sets/sortbag.cpp|s/j > 0 \&\& S->elements/j > 1 \&\& S->elements/|insertions keep the order: wrong output in line 1
dictionary|words/lotdraw.cpp|s/    srand(static_cast<unsigned>(time(nullptr)));/    static bool seeded = false;\n    if (!seeded) srand(static_cast<unsigned>(time(nullptr))), seeded = true;/|same second same word: wrong output in line 5
TABLE

# The buffer's report: every case ran, the first failure cut down and replayable in bufdemo.
sed "s/if (buffer->gapEnd < buffer->size) {/if (buffer->gapEnd < buffer->size - 1) {/" "$gapbuf" \
    >"$work/planted.c"
checked 1 buffer "$work/planted.c"
[ "$(tail -n 1 "$work/out")" = "passed 20 of 23 cases: 20 of 23 points" ] ||
    fail "planted fault: $(tail -n 1 "$work/out")"
first=$(sed -n '/^FAIL/,$p' "$work/out" | sed '1p;1d;/^FAIL/,$d')
diff -u "$source/tests/install/example/planted_expected.txt" <(printf '%s\n' "$first") ||
    fail "planted fault: not the expected report"
replay=$(printf '%s\n' "$first" | sed -n '/^Replay/,/^(cut/p' | sed '1d;$d')
expected=$(printf '%s\n' "$first" | sed -n '/expected:$/,/^Actual/p' | sed '1d;$d')
[ "$(printf '%s\n' "$replay" | "$build/bin/bufdemo-pilerow" | tail -n 3)" = "$expected" ] ||
    fail "the replay does not give the expected output in bufdemo"

# From CMake, under CTest.
cmake -S "$source/examples/gapbuf" -B "$work/cmake" -G Ninja -DCMAKE_C_COMPILER="$CC" \
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
refused "cannot run no-such-cc" env CC=no-such-cc "${check[@]}" buffer "$gapbuf"
refused "usage: workbench check-buffer" "$work/prefix/bin/workbench" check-buffer
refused "no interface named 'queue'" "${check[@]}" queue "$gapbuf"
printf '=== 2 a case\nIab\nQ\n' >"$work/bad.cases"
refused "\"a case\", line 2" "${check[@]}" buffer --cases "$work/bad.cases" "$gapbuf"
echo "each interface's module passes, its planted fault fails as expected"
