#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs the real program in a desktop session of its own and drives it with the keyboard: the
# teaching window open at full speed, paused, stepped, its data saved as CSV into a folder of
# this run's own, presentation on and off, the window closed and opened again. Saves a
# screenshot of the screen and checks that closing the main window ends the program with exit
# code 0.
# Usage: run_teaching_e2e.sh PROGRAM DRIVER SCREENSHOT.png [SECONDS_AT_FULL_SPEED]
set -uo pipefail
program=$1
driver=$2
screenshot=$3
seconds=${4:-2}

if [ -z "${OVERSELLING_E2E_SESSION:-}" ]; then
    # Twice the pixels when the program runs at twice the scale, as on a projector.
    size=1024x768
    if [ "${QT_SCALE_FACTOR:-1}" = 2 ]; then
        size=2048x1536
    fi
    OVERSELLING_E2E_SESSION=1 exec bash "$(dirname "$0")/../support/desktop_session.sh" \
        --screen "$size" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM

# A folder of its own for the saved data, so that no earlier run's file passes the check.
data_dir=$(mktemp -d)
trap 'rm -rf "$data_dir"' EXIT

source "$(dirname "$0")/run_until_closed.sh"
run_until_closed "$program" "$driver" "$screenshot" "$seconds" "$data_dir/tegleniya.csv" || exit 1
echo "teaching e2e: by keys alone the teaching window opened, ran, paused, stepped, saved its" \
    "data, presented full screen, closed and opened again; the program ended with its main" \
    "window;" \
    "screenshot in $screenshot"
