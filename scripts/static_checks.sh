#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Fails on a source file without its licence line, on any clang-tidy warning in the project's
# own sources, and on any source that clang-format would change. The files are the ones git
# tracks, so it fails outside a git checkout, and it fails when a check finds nothing to check.
# Usage: static_checks.sh BUILD_DIR (with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1

if [ "$(git rev-parse --is-inside-work-tree 2>/dev/null)" != true ]; then
    echo "static checks: $PWD is not a git checkout, so there are no tracked files to check" >&2
    exit 1
fi
# Fails when a check's list of files is empty: a check of nothing would pass.
require_files() {
    local what=$1
    shift
    if [ "$#" -eq 0 ]; then
        echo "static checks: no $what found to check" >&2
        exit 1
    fi
}

# Every source file of the project's own names its licence near the top, new ones included:
# by name pattern, and any other tracked file that starts with a shebang. The fuzz corpus is data.
mapfile -t licensed < <(
    {
        git ls-files '*.cpp' '*.hpp' '*.h' '*.c' '*.py' '*.sh' '*.cmake' '*CMakeLists.txt' \
            '*.in' '*.desktop' '*.xml' '*.qrc' '*.1' '*.supp' .ci/run
        git ls-files | while read -r file; do
            [ -f "$file" ] && head -c2 "$file" | grep -q '^#!' && echo "$file"
        done
    } | grep -v '^tests/fuzz/corpus/' | sort -u)
require_files "source files for the licence lines" "${licensed[@]}"
unlicensed=()
for file in "${licensed[@]}"; do
    head -n 5 "$file" | grep -q 'SPDX-License-Identifier: ' || unlicensed+=("$file")
done
if [ "${#unlicensed[@]}" -ne 0 ]; then
    printf 'no SPDX-License-Identifier line in the first five lines of: %s\n' "${unlicensed[@]}" >&2
    exit 1
fi
echo "licence lines: present in all ${#licensed[@]} source files"

mapfile -t sources < <(git ls-files '*.cpp' '*.hpp')
require_files "C++ sources for clang-format" "${sources[@]}"
clang-format --dry-run --Werror "${sources[@]}"

mapfile -t units < <(git ls-files 'runtime/*.cpp' 'core/*.cpp' 'ui/*.cpp' 'tests/*.cpp' \
    'bench/*.cpp' | grep -v '^tests/fuzz/')
require_files "translation units for clang-tidy" "${units[@]}"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${units[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
    { grep -E 'warning:|error:' -A3 "$build/clang-tidy.log"; exit 1; }
echo "clang-format and clang-tidy: no findings in ${#units[@]} translation units"
