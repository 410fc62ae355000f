#!/usr/bin/env bash
# Every manual page renders without a warning, and every installed program has its page.
# usage: man_pages_test.sh <source dir> <build dir>
set -euo pipefail
# shellcheck source=/dev/null
source "$2/workbench-lists.sh"
status=0
for page in "$1"/man/man[137]/*.[137]; do
    if ! warnings=$(groff -mandoc -ww -z "$page" 2>&1) || [ -n "$warnings" ]; then
        echo "${page#"$1"/}: $warnings" >&2
        status=1
    fi
done
for page in workbench $(printf 'workbench-%s\n' $WB_PROGRAMS); do
    [ -f "$1/man/man1/$page.1" ] || { echo "no manual page man/man1/$page.1" >&2; status=1; }
done
exit "$status"
