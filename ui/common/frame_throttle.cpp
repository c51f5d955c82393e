// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/common/frame_throttle.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <utility>

namespace ui {

int screenFrameMilliseconds(const QWidget& window) {
    const QScreen* screen = window.screen();
    const double rate = screen != nullptr && screen->refreshRate() > 0 ? screen->refreshRate() : 60;
    return static_cast<int>(std::ceil(1000 / rate));
}

FrameThrottle::FrameThrottle(QWidget& window, MonotonicClock clock)
    : QObject(&window), window_(window), clock_(std::move(clock)) {
    held_ = new QTimer(this);
    held_->setSingleShot(true);
    connect(held_, &QTimer::timeout, this, &FrameThrottle::postHeldRequest);
    window_.installEventFilter(this);
}

int fastRepaintMilliseconds(const QWidget& window) {
    return 4 * screenFrameMilliseconds(window);
}

void FrameThrottle::followTicks(int tickMilliseconds) {
    const int frame = screenFrameMilliseconds(window_);
    setFrameMilliseconds(2 * frame);
    setActive(tickMilliseconds < frame);
}

void FrameThrottle::setActive(bool active) {
    active_ = active;
    if (!active_ && held_->isActive()) {
        held_->stop();
        postHeldRequest();
    }
}

void FrameThrottle::postHeldRequest() {
    // Qt asks once and waits for the paint, so a request held back must always be posted.
    QCoreApplication::postEvent(&window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

bool FrameThrottle::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::UpdateRequest) {
        return false;
    }
    if (held_->isActive()) {
        return true;
    }
    const std::int64_t now = clock_();
    if (active_ && lastPaint_ && now - *lastPaint_ < frameMilliseconds_) {
        held_->start(static_cast<int>(frameMilliseconds_ - (now - *lastPaint_)));
        return true;
    }
    lastPaint_ = now;
    return false;
}

}  // namespace ui
