#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs the start-up benchmark on a virtual X display of its own.
# Usage: run_startup_benchmark.sh BENCHMARK RUNS PROGRAM BARE_WINDOW
set -euo pipefail
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
