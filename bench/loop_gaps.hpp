// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <chrono>

// How long the event loop goes between two turns, from the event dispatcher's signal at the
// start of each: the longest time between two is the longest a key would have waited. A
// precise 1 ms timer wakes the loop wherever it would wait, so that a wait, which a key would
// end at once, counts for no more than a millisecond. Each gap's CPU time on the loop's thread
// tells the program's own work from a machine that gave the CPU to others meanwhile. It keeps a
// few numbers and allocates nothing, so that it costs the loop it measures next to nothing.
class LoopGaps final : public QObject {
  public:
    using Clock = std::chrono::steady_clock;

    explicit LoopGaps(QObject* parent = nullptr);

    // Starts measuring afresh from now.
    void start();
    // Ends the measurement, counting the stretch since the last turn.
    void stop();
    [[nodiscard]] double longestMilliseconds() const { return longest_; }
    // The most CPU time the loop's thread spent within one gap.
    [[nodiscard]] double mostCpuMilliseconds() const { return mostCpu_; }
    // Gaps longer than a frame of 60 a second.
    [[nodiscard]] int overAFrame() const { return overAFrame_; }

    static constexpr double kFrameMilliseconds = 1000.0 / 60;

  private:
    void note();

    QTimer waker_;
    QMetaObject::Connection turns_;
    Clock::time_point last_;
    double lastCpu_ = 0;
    double longest_ = 0;
    double mostCpu_ = 0;
    int overAFrame_ = 0;
};
