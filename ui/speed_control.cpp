// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/speed_control.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ui/main_form.hpp"

namespace ui {
namespace {

// At most this many ticks are added to one timeout, and a run this far behind is not caught
// up at all but taken up from now on.
constexpr int kMostAddedPerTimeout = 4;
constexpr qint64 kLargestLag = 100;

}  // namespace

TickPacer::TickPacer(MainForm& form, QTimer& timer) : QObject(&form), form_(form), timer_(timer) {
    // Connected after the form's own connection, so it runs after each timer tick.
    connect(&timer_, &QTimer::timeout, this, &TickPacer::afterTimeout);
    connect(&form_, &MainForm::modelChanged, this, [this] {
        if (!timer_.isActive()) {
            clock_.invalidate();
        }
    });
}

void TickPacer::setActive(bool active) {
    active_ = active;
    clock_.invalidate();
}

void TickPacer::afterTimeout() {
    if (!active_ || !timer_.isActive()) {
        return;
    }
    if (!clock_.isValid() || interval_ != timer_.interval()) {
        // The run starts, or changes speed, with this tick: it counts from here.
        interval_ = timer_.interval();
        delivered_ = 0;
        clock_.start();
        return;
    }
    ++delivered_;
    const qint64 due = clock_.elapsed() / interval_;
    if (due - delivered_ > kLargestLag) {
        delivered_ = due;
        return;
    }
    for (int added = 0; added < kMostAddedPerTimeout && delivered_ < due && timer_.isActive();
         ++added) {
        ++delivered_;
        form_.Timer1_Timer();
    }
}

FrameThrottle::FrameThrottle(QWidget& window) : QObject(&window), window_(window) {
    held_ = new QTimer(this);
    held_->setSingleShot(true);
    connect(held_, &QTimer::timeout, this, &FrameThrottle::postHeldRequest);
    window_.installEventFilter(this);
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
    if (active_ && lastPaint_.isValid() && lastPaint_.elapsed() < frameMilliseconds_) {
        held_->start(static_cast<int>(frameMilliseconds_ - lastPaint_.elapsed()));
        return true;
    }
    lastPaint_.start();
    return false;
}

}  // namespace ui
