#!/usr/bin/env bash
# Fails when a tracked C or C++ file differs from what the repository's .clang-format makes of it.
# usage: check_format.sh <source dir>
set -euo pipefail
cd "$1"
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
