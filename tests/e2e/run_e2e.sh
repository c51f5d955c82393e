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

"$program" &
pid=$!
if ! "$driver" "${screenshot%.png}.ppm"; then
    kill "$pid" 2>/dev/null
    exit 1
fi
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "e2e: the program did not end when its window was closed" >&2
    kill "$pid"
    exit 1
fi
wait "$pid"
code=$?
if [ "$code" -ne 0 ]; then
    echo "e2e: the program ended with exit code $code" >&2
    exit 1
fi
convert "${screenshot%.png}.ppm" "$screenshot"
echo "e2e: window shown, ticks ran, closed with exit code 0; screenshot in $screenshot"
