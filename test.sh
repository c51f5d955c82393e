#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Installs what is missing, builds, and runs every test: first the whole program, then the
# runtime and core tests again under AddressSanitizer and UndefinedBehaviorSanitizer, then
# the fuzzers for a bounded time, then clang-tidy and clang-format.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
jobs="$(nproc)"

cmake -S . -B build >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs"

cmake -S . -B build-sanitize -DOVERSELLING_SANITIZE=ON -DOVERSELLING_BUILD_UI=OFF \
    -DOVERSELLING_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"

# Bad input found by a machine: libFuzzer on the number reader and the tick, time-bounded.
CXX=clang++ cmake -S . -B build-fuzz -DOVERSELLING_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$jobs"
ctest --test-dir build-fuzz --output-on-failure --parallel "$jobs"

bash scripts/static_checks.sh build
