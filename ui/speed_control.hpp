// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// What running faster than the designed one tick a second needs, kept out of the form: ticks
// that keep to the wall clock, and windows repainted no faster than the screen shows them.

#include <QElapsedTimer>
#include <QObject>

class QTimer;
class QWidget;

namespace ui {

class MainForm;

// Qt starts a timer's next interval when the timer fires, so every late wake-up lengthens
// the period: on a machine that wakes 0.1 ms late a 1 ms timer ticks about 900 times a
// second. After each timeout of a fast run this delivers the ticks the wall clock says are
// due, each through the form's Timer1_Timer, a few at most per timeout, and none after a
// stall, so that the run never bursts.
class TickPacer final : public QObject {
    Q_OBJECT

  public:
    TickPacer(MainForm& form, QTimer& timer);

    // Whether to keep to the wall clock; off at the designed speed.
    void setActive(bool active);

  private:
    void afterTimeout();

    MainForm& form_;
    QTimer& timer_;
    bool active_ = false;
    QElapsedTimer clock_;
    qint64 delivered_ = 0;
    int interval_ = 0;
};

// Holds back a window's repaint requests to one a frame: the widgets still change at once,
// and what changed within a frame is painted together at its end.
class FrameThrottle final : public QObject {
    Q_OBJECT

  public:
    explicit FrameThrottle(QWidget& window);

    void setActive(bool active);
    void setFrameMilliseconds(int milliseconds) { frameMilliseconds_ = milliseconds; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void postHeldRequest();

    QWidget& window_;
    QTimer* held_ = nullptr;
    QElapsedTimer lastPaint_;
    int frameMilliseconds_ = 16;
    bool active_ = false;
};

}  // namespace ui
