#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Runs every benchmark that has a limit, in one go, each in a desktop session of its own where
# it shows windows, and prints each figure beside its limit: the draw against a bare loop, the
# experiments page at its largest, 1000 draws a second for a minute open and a minute
# minimised at a projector's 1024x768 twice the scale, and start-up and memory against a
# window with one label and one text box. Takes about four minutes.
# Usage: bench/report.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
session=(bash tests/support/desktop_session.sh --screen 1024x768)

echo "== One draw of the class runner against a bare loop (ratio limit 1.25)"
"$build/bench/core_benchmarks" --benchmark_filter=BM_DrawAgainstBareLoop \
    --benchmark_repetitions=7 --benchmark_report_aggregates_only=true
for scale in 1 2; do
    echo "== The experiments page, 1000 classes of 10,000 draws, at scale $scale"
    QT_SCALE_FACTOR=$scale "${session[@]}" "$build/bench/experiments_benchmark" 7 | grep -v '^round'
done
echo "== 1000 draws a second"
QT_SCALE_FACTOR=2 "${session[@]}" "$build/bench/teaching_benchmark" realtime 60
echo "== Start-up"
"${session[@]}" "$build/bench/startup_benchmark" 20 "$build/ui/overselling" "$build/bench/bare_window"
