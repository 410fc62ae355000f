#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, then builds and runs outside clients of every
# module against it twice: through find_package(workbench) and through pkg-config.
# usage: consumer_test.sh <build dir> <consumer source dir> [extra compiler and linker flags]
set -euo pipefail
build=$1
src=$2
read -r -a flags <<<"${3:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
buffer_modules=(gridrow pilerow chainrow chunkrow)

cmake --install "$build" --prefix "$work/prefix" >/dev/null
echo solo >"$work/one.txt"

check() {  # check <expected file> <client> [args...]
    if ! diff -u "$1" <("${@:2}"); then
        echo "FAILED: ${*:2}" >&2
        exit 1
    fi
}

cmake -S "$src" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
    -DCMAKE_C_FLAGS="${flags[*]}" -DCMAKE_CXX_FLAGS="${flags[*]}" \
    -DCMAKE_EXE_LINKER_FLAGS="${flags[*]}" >/dev/null
cmake --build "$work/cmake" >/dev/null
for module in "${buffer_modules[@]}"; do
    check "$src/buffer_expected.txt" "$work/cmake/buffer_c_$module"
    check "$src/buffer_expected.txt" "$work/cmake/buffer_cxx_$module"
done
check "$src/modules_expected.txt" "$work/cmake/modules_c" "$work/one.txt"

export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig"
cflags=(-Wall -Wextra -Wpedantic -Werror "${flags[@]}")
for module in "${buffer_modules[@]}"; do
    read -r -a pc <<<"$(pkg-config --cflags --libs "$module")"
    cc -std=c11 "${cflags[@]}" "$src/buffer_client.c" "${pc[@]}" -o "$work/pc_c_$module"
    c++ -std=c++20 "${cflags[@]}" "$src/buffer_client.cpp" "${pc[@]}" -o "$work/pc_cxx_$module"
    check "$src/buffer_expected.txt" "$work/pc_c_$module"
    check "$src/buffer_expected.txt" "$work/pc_cxx_$module"
done
read -r -a pc <<<"$(pkg-config --cflags --libs wordsift sortbag lotdraw)"
cc -std=c11 "${cflags[@]}" "$src/modules_client.c" "${pc[@]}" -o "$work/pc_modules"
check "$src/modules_expected.txt" "$work/pc_modules" "$work/one.txt"
echo "clients of every module, built through find_package and through pkg-config, print as expected"
