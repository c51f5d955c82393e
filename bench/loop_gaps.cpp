// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "loop_gaps.hpp"

#include <QAbstractEventDispatcher>
#include <algorithm>

#include "cpu_clocks.hpp"

LoopGaps::LoopGaps(QObject* parent) : QObject(parent) {
    waker_.setTimerType(Qt::PreciseTimer);
    waker_.setInterval(1);
}

void LoopGaps::start() {
    longest_ = 0;
    mostCpu_ = 0;
    overAFrame_ = 0;
    last_ = Clock::now();
    lastCpu_ = threadCpuMilliseconds();
    turns_ = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     this, &LoopGaps::note);
    waker_.start();
}

void LoopGaps::stop() {
    note();
    waker_.stop();
    disconnect(turns_);
}

void LoopGaps::note() {
    const Clock::time_point now = Clock::now();
    const double gap = std::chrono::duration<double, std::milli>(now - last_).count();
    const double cpu = threadCpuMilliseconds();
    mostCpu_ = std::max(mostCpu_, cpu - lastCpu_);
    last_ = now;
    lastCpu_ = cpu;
    longest_ = std::max(longest_, gap);
    overAFrame_ += gap > kFrameMilliseconds ? 1 : 0;
}
