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

// The step of the demand labels, for the widest label `labelWidth` wide.
double demandStep(const HistogramAxes& axes, int labelWidth, int line);

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

// The capacity's label at the top of the plot, right of the mark at `x` or left of it where it
// would leave the plot; none where the plot is too low for it.
std::optional<QRectF> capacityLabelBox(const QRect& plot, double x, int labelWidth, int line);

// The ceiling's label at the top of the plot, ending just left of `x`, the end of the last
// demand the ceiling can draw; a line lower where it would cover the capacity's label. None
// where it would leave the plot on the left or the plot is too low for it.
std::optional<QRectF> ceilingLabelBox(const QRect& plot, double x, int labelWidth, int line,
                                      const std::optional<QRectF>& capacityBox);

}  // namespace ui
