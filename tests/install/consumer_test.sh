#!/usr/bin/env bash
# Builds and runs outside clients of every module three ways: through find_package(workbench)
# and through pkg-config against the build tree installed into a scratch prefix, and through
# add_subdirectory of the source tree with GoogleTest and Google Benchmark out of reach.
# usage: consumer_test.sh <build dir> <source dir> <C compiler> <C++ compiler> [extra flags]
set -euo pipefail
build=$1
source=$2
cc=$3
cxx=$4
read -r -a flags <<<"${5:-}"
src=$source/tests/install/consumer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=/dev/null
source "$build/workbench-lists.sh"
read -r -a buffer_modules <<<"$WB_BUFFER_MODULES"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
echo solo >"$work/one.txt"

check() {  # check <expected file> <client> [args...]
    if ! diff -u "$1" <("${@:2}"); then
        echo "FAILED: ${*:2}" >&2
        exit 1
    fi
}

# consumer <build dir> [cmake options...]: configures, builds and runs the CMake consumer.
consumer() {
    cmake -S "$src" -B "$1" -G Ninja -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
        -DCMAKE_C_FLAGS="${flags[*]}" -DCMAKE_CXX_FLAGS="${flags[*]}" \
        -DCMAKE_EXE_LINKER_FLAGS="${flags[*]}" -DBUFFER_MODULES="${WB_BUFFER_MODULES// /;}" \
        "${@:2}" >/dev/null
    cmake --build "$1" >/dev/null
    for module in "${buffer_modules[@]}"; do
        check "$src/buffer_expected.txt" "$1/buffer_c_$module"
        check "$src/buffer_expected.txt" "$1/buffer_cxx_$module"
    done
    check "$src/modules_expected.txt" "$1/modules_c" "$work/one.txt"
}

consumer "$work/find_package" -DCMAKE_PREFIX_PATH="$work/prefix"
consumer "$work/add_subdirectory" -DWORKBENCH_SOURCE="$source" \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON

# The installed headers compile free of warnings, as C and as C++.
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(find "$work/prefix" -type d -name pkgconfig)
cflags=(-Wall -Wextra -Wpedantic -Werror "${flags[@]}")
for module in "${buffer_modules[@]}"; do
    read -r -a pc <<<"$(pkg-config --cflags --libs "workbench-$module")"
    "$cc" -std=c11 "${cflags[@]}" "$src/buffer_client.c" "${pc[@]}" -o "$work/pc_c_$module"
    "$cxx" -std=c++20 "${cflags[@]}" "$src/buffer_client.cpp" "${pc[@]}" -o "$work/pc_cxx_$module"
    check "$src/buffer_expected.txt" "$work/pc_c_$module"
    check "$src/buffer_expected.txt" "$work/pc_cxx_$module"
done
read -r -a pc <<<"$(pkg-config --cflags --libs workbench-wordsift workbench-sortbag workbench-lotdraw)"
"$cc" -std=c11 "${cflags[@]}" "$src/modules_client.c" "${pc[@]}" -o "$work/pc_modules"
check "$src/modules_expected.txt" "$work/pc_modules" "$work/one.txt"

# genlib.h after or before a header with TRUE and FALSE macros (a stand-in, and curses.h where
# it is installed), and alone, as C and as C++.
read -r -a pc <<<"$(pkg-config --cflags --libs workbench-genlib)"
truth=(-DTRUTH_HEADER='"truth_macros.h"' -DTRUTH_HEADER_AFTER='"truth_macros.h"' -DNONE)
if echo '#include <curses.h>' | "$cc" -E -x c - >/dev/null 2>&1; then
    truth+=(-DTRUTH_HEADER='<curses.h>' -DTRUTH_HEADER_AFTER='<curses.h>')
fi
for define in "${truth[@]}"; do
    "$cc" -std=c11 "${cflags[@]}" "$define" "$src/truth_client.c" "${pc[@]}" -o "$work/truth_c"
    "$cxx" -std=c++20 "${cflags[@]}" "$define" -x c++ "$src/truth_client.c" -x none "${pc[@]}" \
        -o "$work/truth_cxx"
    check <(echo "0 1") "$work/truth_c"
    check <(echo "0 1") "$work/truth_cxx"
done
echo "clients of every module, built through find_package, add_subdirectory and pkg-config, and genlib.h beside curses' truth macros, print as expected"
