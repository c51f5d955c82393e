// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Where the share chart puts things, apart from the painting, so that its rules can be tested
// without a screen.

#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <optional>
#include <span>
#include <vector>

#include "core/measured_share.hpp"
#include "core/run_statistics.hpp"
#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {

// The top of the share axis: room for the expected share and its band, for the class's guess
// and its label, and for the measured path once its first, wildest twentieth is behind it;
// never above 100 %. The path's points are the kept ones and the latest after them where it is
// not one of them, read where they are rather than copied into one.
double shareAxisTop(std::span<const core::RunStatistics::Point> kept,
                    const core::RunStatistics::Point& latest, std::optional<double> expected,
                    std::optional<double> guess = std::nullopt);
// Whether `latest` comes after the last of the points `kept`, as it does while thinning leaves
// the latest tick out of the series.
bool latestBeyond(std::span<const core::RunStatistics::Point> kept,
                  const core::RunStatistics::Point& latest);

// The plot and the ranges of its two axes: ticks from 0 to xMax across, percent from 0 to top
// up.
struct ShareAxes {
    QRect plot;
    double xMax;
    double top;

    [[nodiscard]] double xOf(double tick) const { return plot.left() + plot.width() * tick / xMax; }
    [[nodiscard]] double yOf(double percent) const;
};

// The axes for the points shown: at least ten ticks across, and shares up to `top`.
ShareAxes shareAxes(const QRect& plot, std::span<const core::RunStatistics::Point> points,
                    double top);

// The ticks across as an axis whose labels stand under their ticks.
AcrossRange tickRange(const ShareAxes& axes);

// A stretch of the run under unchanged inputs, as the picture compares it: its ticks, the
// overloads before it and its own expected share.
struct ShareStretch {
    std::int64_t firstTick;
    std::int64_t lastTick;
    std::int64_t overloadsBefore;
    std::optional<double> expected;

    friend bool operator==(const ShareStretch&, const ShareStretch&) = default;
};
// The stretches of a run up to `lastTick`, oldest first. Where the oldest were let go, the
// ticks before the first kept one form a stretch of their own with no expected share.
std::vector<ShareStretch> shareStretches(std::span<const core::RunStatistics::Stretch> stretches,
                                         std::int64_t lastTick);

// The whole number in [low, high] with the most trailing zeros, or the nearest to the middle
// where no multiple of ten lies in it.
double roundestWithin(double low, double high);

// The two edges of the 95 % band around a stretch's expected share, for the ticks counted
// from its start, sampled every few pixels from its first tick to its last (the plot's right
// edge for the last stretch), both from left to right. Each sample is the band after the
// roundest count of ticks within half a sample's step of it.
struct BandOutline {
    QPolygonF upper;
    QPolygonF lower;
};
BandOutline bandOutline(const ShareAxes& axes, double expected, core::ShareBands& bands,
                        const ShareStretch& stretch = {1, 0, 0, std::nullopt});

// The measured share of each point, in pixels: all of them for the whole run, or the share
// within a stretch of the points in it.
QPolygonF measuredPath(const ShareAxes& axes, std::span<const core::RunStatistics::Point> points);
QPolygonF measuredPath(const ShareAxes& axes, std::span<const core::RunStatistics::Point> points,
                       const ShareStretch& stretch);

// Thousands of points fall on a few hundred pixel columns: each column keeps its highest and
// lowest point, in the order drawn, which looks the same and strokes fast.
QPolygonF onePairPerColumn(const QPolygonF& points);

// Drops the points that lie within half a pixel of the line through their neighbours
// (Ramer-Douglas-Peucker): the stroke looks the same and costs a fraction.
QPolygonF simplified(const QPolygonF& path);

// The marks where the inputs changed: a thin strip across the plot where each stretch after
// the first begins.
std::vector<QRectF> changeMarks(const ShareAxes& axes, std::span<const ShareStretch> stretches);

// Where the label of a level line at `y` may go, the best first: above the line where the plot
// has room, from `across` (0 against the plot's left edge, 1 against its right edge) along it
// both ways; then below it the same way.
std::vector<QRectF> levelLabelBoxes(const QRect& plot, double y, int labelWidth, int line,
                                    double across);

// Where the label of an earlier run's path may go, the best first: above the path's last point
// on the plot, ending there, then ever farther around it.
std::vector<QRectF> pastRunLabelBoxes(const QRect& plot, const QPolygonF& path, int labelWidth,
                                      int line);

}  // namespace ui
