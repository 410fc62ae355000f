#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, then builds and runs the consumer clients against
# it twice: through find_package(workbench) and through pkg-config.
# usage: consumer_test.sh <build dir> <consumer source dir> [extra compiler and linker flags]
set -euo pipefail
build=$1
src=$2
flags=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

check() {  # check <client binary>
    if ! diff -u "$src/expected.txt" <("$1"); then
        echo "FAILED: $1" >&2
        exit 1
    fi
}

cmake -S "$src" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/cmake" >/dev/null
check "$work/cmake/c_client"
check "$work/cmake/cxx_client"

export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig"
read -r -a pc <<<"$(pkg-config --cflags --libs gridrow)"
read -r -a extra <<<"$flags"
cc -std=c11 -Wall -Wextra -Wpedantic -Werror "${extra[@]}" "$src/client.c" "${pc[@]}" -o "$work/pc_c"
c++ -std=c++20 -Wall -Wextra -Wpedantic -Werror "${extra[@]}" "$src/client.cpp" "${pc[@]}" \
    -o "$work/pc_cxx"
check "$work/pc_c"
check "$work/pc_cxx"
echo "consumers built through find_package and pkg-config print the expected displays"
