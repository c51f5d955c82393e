#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Installs what is missing, builds, and runs every test, whatever an earlier ./run.sh or a hand
# configuration left in the build folders: first the whole program with its tests, package
# check and benchmark smoke runs; then the whole program again, window included, under
# AddressSanitizer and UndefinedBehaviorSanitizer; then the fuzzers for a bounded time; then
# the licence lines, clang-tidy and clang-format. A stage that finds no test fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
jobs="$(nproc)"
# Warnings stay warnings on a newcomer's machine; CI makes them errors.
werror="${OVERSELLING_WERROR:-OFF}"

# Every option that decides what is built is stated, so a cache from ./run.sh
# (BUILD_TESTING=OFF) cannot leave tests out.
cmake -S . -B build -DBUILD_TESTING=ON -DOVERSELLING_BUILD_UI=ON \
    -DOVERSELLING_BUILD_BENCHMARKS=ON -DOVERSELLING_SANITIZE=OFF -DOVERSELLING_FUZZ=OFF \
    -DOVERSELLING_WERROR="$werror" >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs" --no-tests=error

# The packaging and benchmark checks stay out of this build; the soak runs shorter in it.
cmake -S . -B build-sanitize -DBUILD_TESTING=ON -DOVERSELLING_BUILD_UI=ON \
    -DOVERSELLING_BUILD_BENCHMARKS=OFF -DOVERSELLING_SANITIZE=ON -DOVERSELLING_FUZZ=OFF \
    -DOVERSELLING_WERROR="$werror" >/dev/null
cmake --build build-sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:check_initialization_order=1:strict_init_order=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs" --no-tests=error

# Bad input found by a machine: libFuzzer on the number reader and the tick, time-bounded.
CXX=clang++ cmake -S . -B build-fuzz -DOVERSELLING_FUZZ=ON -DOVERSELLING_WERROR="$werror" >/dev/null
cmake --build build-fuzz --parallel "$jobs"
ctest --test-dir build-fuzz --output-on-failure --parallel "$jobs" --no-tests=error

bash scripts/static_checks.sh build
