#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
cmake -S . -B build -DBUILD_TESTING=OFF -DOVERSELLING_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target overselling

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    install_missing xvfb xauth
    echo "There is no display to open the window on. Without a desktop, run it as:" >&2
    echo "    xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec ./build/ui/overselling
