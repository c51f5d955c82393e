// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "ui/teaching_window/monotonic_clock.hpp"

class QTimer;
class QWidget;

namespace ui {

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
