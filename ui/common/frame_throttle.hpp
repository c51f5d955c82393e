// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "ui/common/monotonic_clock.hpp"

class QTimer;
class QWidget;

namespace ui {

// Milliseconds a frame of the screen shows, 60 a second where the screen does not say.
int screenFrameMilliseconds(const QWidget& window);
// While ticks come faster than frames, the run wakes once every fourth frame: 15 repaints a
// second still move smoothly enough for a growing chart, and cost a quarter of painting
// every frame.
int fastRepaintMilliseconds(const QWidget& window);

// Holds back a window's repaint requests to one a frame: the widgets still change at once,
// and what changed within a frame is painted together at its end.
class FrameThrottle final : public QObject {
    Q_OBJECT

  public:
    explicit FrameThrottle(QWidget& window, MonotonicClock clock = steadyMilliseconds);

    void setActive(bool active);
    [[nodiscard]] bool isActive() const { return active_; }
    void setFrameMilliseconds(int milliseconds) { frameMilliseconds_ = milliseconds; }
    [[nodiscard]] int frameMilliseconds() const { return frameMilliseconds_; }
    // Active while ticks come faster than the window's screen shows frames, and then lets
    // one repaint through every second frame: the run's own, once every fourth frame, pass at
    // once however early its timer wakes, and whatever else asks waits a little.
    void followTicks(int tickMilliseconds);

    // Lets a repaint request of the window through, or holds it until its frame is over.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void postHeldRequest();

    QWidget& window_;
    MonotonicClock clock_;
    QTimer* held_ = nullptr;
    std::optional<std::int64_t> lastPaint_;
    int frameMilliseconds_ = 16;
    bool active_ = false;
};

}  // namespace ui
