// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "ui/common/monotonic_clock.hpp"

namespace ui {

class RunControl;

// A run faster than the screen's frames wakes once a repaint with one tick, and Qt starts a
// timer's next interval when the timer fires, so every late wake-up lengthens the period.
// After each interval of a fast run this adds the ticks the clock says are due, each through
// the run's tickNow, and none after a stall, so that the run never bursts.
class TickPacer final : public QObject {
    Q_OBJECT

  public:
    explicit TickPacer(RunControl& run, MonotonicClock clock = steadyMilliseconds,
                       QObject* parent = nullptr);

    // Whether to keep to the clock; off at the designed speed.
    void setActive(bool active);
    [[nodiscard]] bool isActive() const { return active_; }

    // A run this many ticks behind, a tenth of a second at the fastest, is not caught up at
    // all but taken up from then on.
    static constexpr std::int64_t kLargestLag = 100;

  private:
    void afterInterval();

    RunControl& run_;
    MonotonicClock clock_;
    bool active_ = false;
    // When the counting started, and the interval it counts in; none until a run's first
    // interval.
    std::optional<std::int64_t> start_;
    int interval_ = 0;
    std::int64_t delivered_ = 0;
};

}  // namespace ui
