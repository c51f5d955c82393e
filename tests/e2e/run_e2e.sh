#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs the real program in a desktop session of its own, drives it with the e2e driver and
# checks that closing the window ends the program with exit code 0: as a user starts it, then
# with the stop message open, then as a user whose session bus is gone.
# Usage: run_e2e.sh PROGRAM DRIVER SCREENSHOT.png
set -uo pipefail
program=$1
driver=$2
screenshot=$3

if [ -z "${OVERSELLING_E2E_SESSION:-}" ]; then
    OVERSELLING_E2E_SESSION=1 exec bash "$(dirname "$0")/../support/desktop_session.sh" \
        --screen 1024x768 bash "$0" "$@"
fi
unset QT_QPA_PLATFORM

source "$(dirname "$0")/run_until_closed.sh"

run_until_closed "$program" "$driver" "${screenshot%.png}.ppm" || exit 1
convert "${screenshot%.png}.ppm" "$screenshot"
echo "e2e: window shown, ticks ran, closed with exit code 0; screenshot in $screenshot"
run_until_closed "$program" "$driver" "${screenshot%.png}.ppm" --close-with-stop-message || exit 1
echo "e2e: closed while the stop message was open, exit code 0"
# A bus address that leads nowhere, not an unset one: unset, the D-Bus library would try to
# start a bus of its own, which depends on what else the machine has installed.
DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/no-such-bus" \
    run_until_closed "$program" "$driver" "${screenshot%.png}.ppm" || exit 1
echo "e2e: without a session bus, window shown, ticks ran, closed with exit code 0"
