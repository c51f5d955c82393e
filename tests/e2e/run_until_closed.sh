# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Sourced by the end-to-end scripts.

# Starts PROGRAM, runs DRIVER with the remaining arguments, and fails unless the driver
# succeeds and closing the window then ends the program within ten seconds with exit code 0.
# Usage: run_until_closed PROGRAM DRIVER [ARGUMENT...]
run_until_closed() {
    local program=$1
    local driver=$2
    shift 2
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
