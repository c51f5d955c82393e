#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs the real program in a desktop session of its own (virtual X display, private D-Bus
# session) with the accessibility bus, and checks it through AT-SPI as a screen reader would.
# Ends every process it started.
# Usage: run_a11y.sh PROGRAM CHECK.py
set -uo pipefail
program=$1
check=$2

if [ -z "${OVERSELLING_A11Y_SESSION:-}" ]; then
    OVERSELLING_A11Y_SESSION=1 exec bash "$(dirname "$0")/../support/desktop_session.sh" \
        --screen 1024x768 bash "$0" "$@"
fi
unset QT_QPA_PLATFORM NO_AT_BRIDGE

pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
}
trap finish EXIT
trap 'exit 1' INT TERM

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done

QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
program_pid=$!
pids+=("$program_pid")

timeout 150 /usr/bin/python3 "$check" "$program_pid"
code=$?
if [ "$code" -eq 124 ]; then
    echo "a11y: the checks did not finish within 150 s" >&2
fi
if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "a11y: the program ended during the checks" >&2
    code=1
fi
exit "$code"
