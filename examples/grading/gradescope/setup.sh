#!/usr/bin/env bash
# Gradescope's set-up of the autograder image: a C compiler with its sanitizers, then workbench,
# from its Debian package when one is beside this script, else built from its source tree here.
set -euo pipefail
cd "$(dirname "$0")"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends gcc libc6-dev python3 >/dev/null
deb=$(find . -maxdepth 1 -name 'workbench_*.deb' | head -n 1)
if [ -n "$deb" ]; then
    apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
else
    apt-get install -y -qq --no-install-recommends g++ cmake ninja-build >/dev/null
    source=$(find . -maxdepth 2 -name CMakePresets.json -printf '%h\n' | head -n 1)
    [ -n "$source" ] || { echo "setup.sh: no workbench package or source tree here" >&2; exit 1; }
    cmake -S "$source" -B /tmp/workbench-build -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DWORKBENCH_TESTS=OFF -DWORKBENCH_BENCHMARKS=OFF >/dev/null
    cmake --build /tmp/workbench-build >/dev/null
    cmake --install /tmp/workbench-build --prefix /usr/local >/dev/null
fi
