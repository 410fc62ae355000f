#!/usr/bin/env bash
# PrairieLearn's external grading of one submission: every case of the buffer interface on the
# student's C files, as /grade/results/results.json. Status 0 once the results are written.
#   GRADE      the grading root (/grade)
#   WORKBENCH  the workbench command (workbench)
set -u
root=${GRADE:-/grade}
results=$root/results/results.json
mkdir -p "$root/results"
shopt -s nullglob
files=("$root"/student/*.c)
if [ ${#files[@]} = 0 ]; then
    printf '{"gradable": true, "score": 0, "message": "No C file was submitted.", "output": "", "tests": []}\n' >"$results"
    exit 0
fi
options=(--format prairielearn --output "$results")
for extra in cases weights; do
    [ ! -f "$root/tests/$extra" ] || options+=("--$extra" "$root/tests/$extra")
done
status=0
"${WORKBENCH:-workbench}" check buffer "${options[@]}" "${files[@]}" || status=$?
if [ "$status" -gt 1 ]; then
    rm -f "$results"
    echo "run.sh: workbench check failed with status $status; no results written" >&2
    exit "$status"
fi
