// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Where the demand histogram puts things, apart from the painting, so that its rules can be
// tested without a screen.

#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/model.hpp"
#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {

// The demands the picture spans: all drawn so far, all the current ceiling can draw, and the
// first one above the capacity, so that its mark is inside.
int binsShown(const core::Model& model, std::span<const std::uint64_t> counts);

// The count axis: a step that cuts it into about `steps` parts, and a top at a whole step at
// or above the highest count.
ValueAxis countAxis(std::uint64_t highest, int steps);

// The count axis of a plot `plotHeight` high, with room above the highest bar for `rows` rows
// of labels `line` high, so that they cover no bar; the bars keep half the plot at least.
ValueAxis countAxisUnderLabels(std::uint64_t highest, int plotHeight, int line, int rows);

// The plot with demands 0 to bins across, each a column as wide as the next, and counts from 0
// to top up.
struct HistogramAxes {
    QRect plot;
    int bins;
    double top;

    [[nodiscard]] double xOf(double demand) const {
        return plot.left() + plot.width() * demand / bins;
    }
    [[nodiscard]] double yOf(double count) const {
        return plot.bottom() - plot.height() * count / top;
    }
};

// The demands as an axis whose labels stand under the middle of their columns.
AcrossRange demandRange(const HistogramAxes& axes);

// Neighbouring demands that fall in the same pixel column and on the same side of the capacity
// are drawn as one bar of their mean height, so 10001 bins cost a few hundred rects.
struct Bar {
    int first;
    int last;
    double mean;
    bool overload;

    friend bool operator==(const Bar&, const Bar&) = default;
};
std::vector<Bar> mergedBars(const HistogramAxes& axes, std::span<const std::uint64_t> counts,
                            double capacity);

// How many times each demand is expected to come up in `draws` draws, from its share of the
// core's kShareUnits (index d for demand d), merged into the same columns as the bars so that
// both show a column's mean. Unlike the bars, a step is kept where its mean is 0. Empty without
// draws or without units, where nothing can be drawn.
std::vector<Bar> expectedSteps(const HistogramAxes& axes, std::span<const std::int64_t> units,
                               std::uint64_t draws, double capacity);

// One line along the tops of the steps, up from the baseline at the first and back down after
// the last, so it reads as the outline of a histogram; a mean above the axis is held at its top.
QPolygonF expectedOutline(const HistogramAxes& axes, std::span<const Bar> steps);

// The bar's rectangle, with a gap on each side where the bar is wide enough to show one.
QRectF barRect(const HistogramAxes& axes, const Bar& bar);

// The capacity sits between the last demand it carries and the first it does not: the
// demand-axis position of its mark.
double capacityMark(double capacity, int bins);

// Where the label of a mark at `x` may go, in the two rows at the top of the plot that
// countAxisUnderLabels keeps free: beside the mark, on the side `rightFirst` says first, then
// on the other, in the top row, then the same a row lower; then ever farther from the mark.
// The capacity's label looks right of its mark first; the ceiling's, left of the end of the
// last demand the ceiling can draw.
std::vector<QRectF> markLabelBoxes(const QRect& plot, double x, int labelWidth, int line,
                                   bool rightFirst);

// What the ceiling's label keeps off: the capacity's mark at `capacityX`, and where the end of
// the last demand the ceiling can draw, `ceilingX`, lies right of it, all the plot left of it
// too, so that the label names the ceiling on the ceiling's side.
QRectF besideCapacityOnly(const QRect& plot, double capacityX, double ceilingX);

}  // namespace ui
