#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs the real program on a virtual X display, drives it with the e2e driver and checks
# that closing the window ends the program with exit code 0.
# Usage: run_e2e.sh PROGRAM DRIVER SCREENSHOT.png
set -uo pipefail
program=$1
driver=$2
screenshot=$3

if [ -z "${OVERSELLING_E2E_DISPLAY:-}" ]; then
    exec env OVERSELLING_E2E_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$0" "$@"
fi
unset QT_QPA_PLATFORM

# Runs the program once with the driver's arguments; fails unless closing ended it with 0.
run_once() {
    "$program" &
    local pid=$!
    if ! "$driver" "$@"; then
        kill "$pid" 2>/dev/null
        return 1
    fi
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "e2e: the program did not end when its window was closed" >&2
        kill "$pid"
        return 1
    fi
    local code=0
    wait "$pid" || code=$?
    if [ "$code" -ne 0 ]; then
        echo "e2e: the program ended with exit code $code" >&2
        return 1
    fi
}

run_once "${screenshot%.png}.ppm" || exit 1
convert "${screenshot%.png}.ppm" "$screenshot"
echo "e2e: window shown, ticks ran, closed with exit code 0; screenshot in $screenshot"
run_once "${screenshot%.png}.ppm" --close-with-stop-message || exit 1
echo "e2e: closed while the stop message was open, exit code 0"
