#!/usr/bin/env bash
# Fails unless the archive defines exactly the listed global symbols, unmangled.
# usage: exports_test.sh <archive> <file listing the expected names, one a line>
set -euo pipefail
actual=$(nm -g --defined-only "$1" | awk 'NF == 3 { print $3 }' | sort)
diff -u <(sort "$2") <(echo "$actual")
