#!/usr/bin/env bash
# The grading set-ups of examples/grading, run as each platform runs them, on the build tree
# installed into a scratch prefix: the gap buffer scores full marks, its planted fault loses the
# three cases it fails, a hidden case keeps its script from the student, and a submission
# without a C file scores 0; each results.json holds the platform's documented fields.
# usage: grading_test.sh <build dir> <source dir> <C compiler>
set -euo pipefail
build=$1
source=$2
export CC=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
export WORKBENCH=$work/prefix/bin/workbench
gapbuf=$source/examples/gapbuf/gapbuf.c
grading=$source/examples/grading
fail() { echo "FAILED: $*" >&2; exit 1; }

# grade <platform> <submitted file or nothing> <expected score> [weights]: the results, checked.
grade() {
    local platform=$1 file=$2 score=$3 root=$work/$1
    rm -rf "$root"
    mkdir -p "$root/submission" "$root/student" "$root/source" "$root/tests"
    [ -z "$file" ] || cp "$file" "$root/submission/buffer.c"
    [ -z "$file" ] || cp "$file" "$root/student/buffer.c"
    [ -z "${4:-}" ] || printf '%s\n' "$4" | tee "$root/source/weights" >"$root/tests/weights"
    if [ "$platform" = gradescope ]; then
        AUTOGRADER=$root "$grading/gradescope/run_autograder" >/dev/null 2>&1
    else
        GRADE=$root "$grading/prairielearn/tests/run.sh" >/dev/null 2>&1
    fi || fail "$platform on ${file:-nothing}: status $?"
    python3 - "$platform" "$root/results/results.json" "$score" <<'PY' ||
import json, sys
platform, path, score = sys.argv[1], sys.argv[2], float(sys.argv[3])
r = json.load(open(path))
assert abs(r["score"] - score) < 1e-9, r["score"]
if platform == "gradescope":
    for t in r["tests"]:
        assert {"name", "score", "max_score", "status", "output", "visibility"} <= set(t), t
        assert t["status"] in ("passed", "failed"), t
        assert t["visibility"] in ("hidden", "after_due_date", "after_published", "visible"), t
        assert t["visibility"] != "visible" or "Replay" not in t["output"] or "hidden" not in t["name"]
else:
    assert r["gradable"] is True and 0 <= r["score"] <= 1, r
    for t in r["tests"]:
        assert {"name", "points", "max_points", "output"} <= set(t), t
PY
        fail "$platform on ${file:-nothing}: $(head -c 600 "$root/results/results.json")"
}

sed 's/if (buffer->gapEnd < buffer->size) {/if (buffer->gapEnd < buffer->size - 1) {/' "$gapbuf" \
    >"$work/planted.c"
grade gradescope "$gapbuf" 23
grade gradescope "$work/planted.c" 20 "3 hidden random balanced edits"
python3 - "$work/gradescope/results/results.json" <<'PY' || fail "the hidden case shows its script"
import json, sys
tests = {t["name"]: t for t in json.load(open(sys.argv[1]))["tests"]}
shown, details = tests["random balanced edits"], tests["random balanced edits (details)"]
assert shown["visibility"] == "visible" and "Replay" not in shown["output"], shown
assert details["visibility"] == "after_published" and "Replay" in details["output"], details
assert shown["max_score"] == 3 and shown["score"] == 0, shown
PY
grade gradescope "" 0
grade prairielearn "$gapbuf" 1
grade prairielearn "$work/planted.c" "$(python3 -c 'print(20 / 23)')"
grade prairielearn "" 0
echo "the gap buffer graded on Gradescope and PrairieLearn, its planted fault and an empty submission too"
