#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs the real program on a virtual X display with a private D-Bus session and accessibility
# bus, and checks it through AT-SPI as a screen reader would. Ends every process it started.
# Usage: run_a11y.sh PROGRAM CHECK.py
set -uo pipefail
program=$1
check=$2

if [ -z "${OVERSELLING_A11Y_SESSION:-}" ]; then
    # Two virtual displays started at once may pick the same number; the one that loses is
    # tried again. The marker tells a lost display from a failed check.
    started=$(mktemp)
    for _ in 1 2 3; do
        rm -f "$started"
        OVERSELLING_A11Y_SESSION=$started xvfb-run -a -s "-screen 0 1024x768x24" \
            dbus-run-session -- bash "$0" "$@"
        code=$?
        [ -e "$started" ] && break
        sleep 1
    done
    if [ ! -e "$started" ]; then
        echo "a11y: no virtual display could be started" >&2
    fi
    rm -f "$started"
    exit "$code"
fi
touch "$OVERSELLING_A11Y_SESSION"
unset QT_QPA_PLATFORM NO_AT_BRIDGE
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime_dir

pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$runtime_dir"
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
