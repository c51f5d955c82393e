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

source "$(dirname "$0")/run_until_closed.sh"

run_until_closed "$program" "$driver" "${screenshot%.png}.ppm" || exit 1
convert "${screenshot%.png}.ppm" "$screenshot"
echo "e2e: window shown, ticks ran, closed with exit code 0; screenshot in $screenshot"
run_until_closed "$program" "$driver" "${screenshot%.png}.ppm" --close-with-stop-message || exit 1
echo "e2e: closed while the stop message was open, exit code 0"
