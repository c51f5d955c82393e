#!/usr/bin/env bash
# Fails on any clang-tidy warning in the project's own sources, and on any source that
# clang-format would change. Usage: static_checks.sh BUILD_DIR (with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1

mapfile -t sources < <(git ls-files '*.cpp' '*.hpp')
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t units < <(git ls-files 'runtime/*.cpp' 'core/*.cpp' 'ui/*.cpp' 'tests/*.cpp' \
    'bench/*.cpp' | grep -v '^tests/fuzz/')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${units[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
    { grep -E 'warning:|error:' -A3 "$build/clang-tidy.log"; exit 1; }
echo "clang-format and clang-tidy: no findings in ${#units[@]} translation units"
