// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/draw_scale.hpp"

namespace core {

// What a run has drawn since the last reset, kept for the teaching window in bounded memory
// however long the run: how often each demand came up, and the running overload count as a
// series of points that is thinned evenly once it grows past kMaxPoints.
class RunStatistics {
  public:
    // A demand is at most the draw's scale, so there are at most kDrawScale + 1 bins.
    static constexpr int kLargestDemand = kDrawScale;
    static constexpr std::size_t kMaxPoints = 4096;

    struct Point {
        std::int64_t tick;
        std::int64_t overloads;

        friend bool operator==(const Point&, const Point&) = default;
    };

    RunStatistics();

    // One completed tick: its number since the reset, its demand and the overloads so far.
    void record(std::int64_t tick, int demand, std::int64_t overloads);
    void reset();

    // Index d holds how often demand d was drawn, up to the largest demand drawn so far.
    [[nodiscard]] std::span<const std::uint64_t> demandCounts() const { return demandCounts_; }
    // Every stride-th tick, oldest first; the latest tick is in latest() whatever the stride.
    [[nodiscard]] std::span<const Point> series() const { return series_; }
    [[nodiscard]] std::int64_t stride() const { return stride_; }
    [[nodiscard]] Point latest() const { return latest_; }

  private:
    std::vector<std::uint64_t> demandCounts_;
    std::vector<Point> series_;
    std::int64_t stride_ = 1;
    Point latest_{0, 0};
};

}  // namespace core
