// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/draw_scale.hpp"

namespace core {

// What a run has drawn since the last reset, kept for the teaching window in bounded memory
// however long the run: how often each demand came up, every draw of the start, the running
// overload count as a series of points that is thinned evenly once it grows past kMaxPoints,
// and the recent stretches of ticks that drew under unchanged inputs.
class RunStatistics {
  public:
    // A demand is at most the draw's scale, so there are at most kDrawScale + 1 bins.
    static constexpr int kLargestDemand = kDrawScale;
    static constexpr std::size_t kMaxPoints = 4096;
    // Enough draws to read the start of a run one by one; a fixed count, so memory stays fixed.
    static constexpr std::size_t kKeptFromStart = 1000;
    // A teacher typing a number digit by digit during a fast run starts a stretch with every
    // keystroke; the picture needs only the recent stretches, so the oldest ones go.
    static constexpr std::size_t kMaxStretches = 64;

    struct Point {
        std::int64_t tick;
        std::int64_t overloads;

        friend bool operator==(const Point&, const Point&) = default;
    };

    // One tick in full: its number, the demand it drew and the overloads up to and with it.
    struct Draw {
        std::int64_t tick;
        int demand;
        std::int64_t overloads;

        friend bool operator==(const Draw&, const Draw&) = default;
    };

    // What a tick drew under, as the tick read it. A tick draws only under a finite ceiling,
    // so these compare as plain numbers.
    struct DrawInputs {
        double capacity;
        double ceiling;

        friend bool operator==(const DrawInputs&, const DrawInputs&) = default;
    };

    // The ticks from firstTick on that drew under the same inputs, up to the next stretch.
    // overloadsBefore counts the overloads of the ticks before firstTick, so a stretch's own
    // share can be measured without the ticks before it.
    struct Stretch {
        std::int64_t firstTick;
        std::int64_t overloadsBefore;
        DrawInputs inputs;

        friend bool operator==(const Stretch&, const Stretch&) = default;
    };

    // A run a reset ended, kept to be drawn faintly behind the current one.
    struct PastRun {
        std::vector<Point> series;
        Point latest;
        // The inputs of the run's last stretch.
        DrawInputs inputs;

        friend bool operator==(const PastRun&, const PastRun&) = default;
    };
    // A few are enough to see the runs differ; each holds a series of up to kMaxPoints + 1.
    static constexpr std::size_t kPastRuns = 5;

    RunStatistics();

    // One completed tick: its number since the reset, its demand, the overloads so far with
    // this tick's own, and the inputs it drew under.
    void record(std::int64_t tick, int demand, std::int64_t overloads, DrawInputs inputs);
    void reset();

    // Index d holds how often demand d was drawn, up to the largest demand drawn so far.
    [[nodiscard]] std::span<const std::uint64_t> demandCounts() const { return demandCounts_; }
    // The first kKeptFromStart draws since the reset, oldest first.
    [[nodiscard]] std::span<const Draw> firstDraws() const { return firstDraws_; }
    // Every stride-th tick, oldest first; the latest tick is in latest() whatever the stride.
    [[nodiscard]] std::span<const Point> series() const { return series_; }
    [[nodiscard]] std::int64_t stride() const { return stride_; }
    [[nodiscard]] Point latest() const { return latest_; }
    // The demand of the latest tick and whether it overloaded; none before the first.
    struct LastDemand {
        int demand;
        bool overloaded;
    };
    [[nodiscard]] std::optional<LastDemand> lastDemand() const { return lastDemand_; }
    // At most the kMaxStretches most recent stretches, oldest first; the last one holds the
    // latest tick.
    [[nodiscard]] std::span<const Stretch> stretches() const { return stretches_; }
    // The runs before the last resets, oldest first, at most kPastRuns; a reset keeps the run it
    // ends when it had at least one tick.
    [[nodiscard]] std::span<const PastRun> pastRuns() const { return pastRuns_; }
    void forgetPastRuns();

  private:
    void recordInputs(std::int64_t tick, DrawInputs inputs);
    void keepAsPastRun();

    std::vector<std::uint64_t> demandCounts_;
    std::vector<Draw> firstDraws_;
    std::vector<Point> series_;
    std::vector<Stretch> stretches_;
    std::vector<PastRun> pastRuns_;
    std::int64_t stride_ = 1;
    Point latest_{0, 0};
    std::optional<LastDemand> lastDemand_;
};

}  // namespace core
