#!/usr/bin/env bash
# Fails when any built program or example needs libstdc++ at run time.
# usage: no_cxx_runtime.sh <bin dir>
set -euo pipefail
status=0
for program in "$1"/*; do
    if readelf -d "$program" | grep -q 'NEEDED.*libstdc++'; then
        echo "$(basename "$program") links libstdc++" >&2
        status=1
    fi
done
exit "$status"
