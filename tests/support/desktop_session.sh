#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs a command in a desktop session of its own, as a user's program meets one: a private
# D-Bus session bus and runtime folder, and with --screen a virtual X display. The X server
# picks a free display number itself (-displayfd), so tests started at the same moment never
# share or fight over one, and says when it accepts clients, so nothing waits on a guess.
# With a session bus of its own, no library ever tries to start one (D-Bus autolaunch).
# Ends every process it started; exits with the command's exit code.
# Usage: desktop_session.sh [--screen WIDTHxHEIGHT] COMMAND [ARGUMENT...]
set -uo pipefail

screen=
if [ "${1:-}" = --screen ]; then
    screen=$2
    shift 2
fi
if [ "$#" -eq 0 ]; then
    echo "usage: desktop_session.sh [--screen WIDTHxHEIGHT] COMMAND [ARGUMENT...]" >&2
    exit 2
fi

runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
server_pid=
finish() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
    fi
    rm -rf "$runtime_dir"
}
trap finish EXIT
trap 'exit 1' INT TERM

# Whatever session the caller had is not this one's.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY DISPLAY XAUTHORITY
export XDG_RUNTIME_DIR=$runtime_dir

if [ -n "$screen" ]; then
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset \
        3>"$runtime_dir/display" 2>"$runtime_dir/xvfb.log" &
    server_pid=$!
    for _ in $(seq 200); do
        grep -q '^[0-9]\+$' "$runtime_dir/display" 2>/dev/null && break
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.05
    done
    if ! grep -q '^[0-9]\+$' "$runtime_dir/display" 2>/dev/null; then
        echo "desktop_session: the virtual display did not start:" >&2
        cat "$runtime_dir/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=":$(cat "$runtime_dir/display")"
    # Real windows on the display, whatever platform the caller's environment names.
    unset QT_QPA_PLATFORM
fi

dbus-run-session -- "$@"
