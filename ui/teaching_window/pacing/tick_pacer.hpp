// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "ui/common/monotonic_clock.hpp"

namespace ui {

class RunControl;

// Qt starts a timer's next interval when the timer fires, so every late wake-up lengthens
// the period: on a machine that wakes 0.1 ms late a 1 ms timer ticks about 900 times a
// second. After each interval of a fast run this adds the ticks the clock says are due, each
// through the run's tickNow, a few at most per interval, and none after a stall, so that the
// run never bursts.
class TickPacer final : public QObject {
    Q_OBJECT

  public:
    explicit TickPacer(RunControl& run, MonotonicClock clock = steadyMilliseconds,
                       QObject* parent = nullptr);

    // Whether to keep to the clock; off at the designed speed.
    void setActive(bool active);
    [[nodiscard]] bool isActive() const { return active_; }

    // At most this many ticks are added to one interval, and a run this many ticks behind is
    // not caught up at all but taken up from then on.
    static constexpr int kMostAddedPerInterval = 4;
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
