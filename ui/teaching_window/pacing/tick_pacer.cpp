// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pacing/tick_pacer.hpp"

#include <utility>

#include "ui/main_window/run_control.hpp"

namespace ui {

TickPacer::TickPacer(RunControl& run, MonotonicClock clock, QObject* parent)
    : QObject(parent), run_(run), clock_(std::move(clock)) {
    connect(&run_, &RunControl::intervalElapsed, this, &TickPacer::afterInterval);
    connect(&run_, &RunControl::changed, this, [this] {
        if (!run_.isRunning()) {
            start_.reset();
        }
    });
}

void TickPacer::setActive(bool active) {
    active_ = active;
    start_.reset();
}

void TickPacer::afterInterval() {
    if (!active_ || !run_.isRunning()) {
        return;
    }
    const std::int64_t now = clock_();
    if (!start_ || interval_ != run_.tickInterval() || interval_ <= 0) {
        // The run starts, or changes speed, with this tick: it counts from here.
        interval_ = run_.tickInterval();
        delivered_ = 0;
        start_ = now;
        return;
    }
    ++delivered_;
    const std::int64_t due = (now - *start_) / interval_;
    if (due - delivered_ > kLargestLag) {
        delivered_ = due;
        return;
    }
    while (delivered_ < due && run_.isRunning()) {
        ++delivered_;
        run_.tickNow();
    }
}

}  // namespace ui
