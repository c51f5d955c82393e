// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_page/histogram_geometry.hpp"

#include <algorithm>
#include <cmath>

#include "core/draw.hpp"
#include "core/expected_share.hpp"

namespace ui {
namespace {

constexpr int kBins = core::RunStatistics::kLargestDemand + 1;

// Calls `run(first, last, overload)` for each stretch of the demands 0 to demands - 1 that falls
// in one pixel column and on one side of the capacity, left to right.
template <typename Run>
void forEachColumnRun(const HistogramAxes& axes, int demands, double capacity, Run run) {
    int first = 0;
    for (int demand = 1; demand < demands; ++demand) {
        if (static_cast<int>(axes.xOf(demand)) != static_cast<int>(axes.xOf(first)) ||
            (capacity < demand) != (capacity < first)) {
            run(first, demand - 1, capacity < first);
            first = demand;
        }
    }
    if (demands > 0) {
        run(first, demands - 1, capacity < first);
    }
}

}  // namespace

int binsShown(const core::Model& model, std::span<const std::uint64_t> counts) {
    std::int64_t bins = std::max<std::int64_t>(static_cast<std::int64_t>(counts.size()), 1);
    // Where nothing can be drawn, the drawn demands alone set the span.
    if (const auto drawable = core::drawableDemands(core::drawCeiling(model))) {
        bins = std::max(bins, *drawable);
    }
    const double capacity = core::capacity(model);
    if (capacity >= 0 && capacity < kBins) {
        bins = std::max(bins, static_cast<std::int64_t>(std::floor(capacity)) + 2);
    }
    return static_cast<int>(std::min<std::int64_t>(bins, kBins));
}

ValueAxis countAxis(std::uint64_t highest, int steps) {
    const double step =
        std::max(1.0, niceStep(static_cast<double>(std::max<std::uint64_t>(highest, 4)), steps));
    // Three steps at least, so that a count can be read off even before the first draw.
    return {std::max(3.0, std::ceil(static_cast<double>(highest) / step)) * step, step};
}

ValueAxis countAxisUnderLabels(std::uint64_t highest, int plotHeight, int line, int rows) {
    const double room =
        std::max(plotHeight - rows * line - line / 4.0, std::max(plotHeight, 1) / 2.0);
    const double raised = std::ceil(static_cast<double>(highest) * std::max(plotHeight, 1) / room);
    return countAxis(static_cast<std::uint64_t>(raised), valueDivisions(plotHeight, line));
}

AcrossRange demandRange(const HistogramAxes& axes) {
    return {.first = 0,
            .last = static_cast<double>(axes.bins - 1),
            .origin = static_cast<double>(axes.plot.left()),
            .unit = static_cast<double>(axes.plot.width()) / axes.bins,
            .offset = 0.5};
}

std::vector<Bar> mergedBars(const HistogramAxes& axes, std::span<const std::uint64_t> counts,
                            double capacity) {
    std::vector<Bar> bars;
    forEachColumnRun(
        axes, static_cast<int>(counts.size()), capacity, [&](int first, int last, bool overload) {
            std::uint64_t sum = 0;
            for (int demand = first; demand <= last; ++demand) {
                sum += counts[static_cast<std::size_t>(demand)];
            }
            if (sum > 0) {
                bars.push_back(
                    {first, last, static_cast<double>(sum) / (last - first + 1), overload});
            }
        });
    return bars;
}

std::vector<Bar> expectedSteps(const HistogramAxes& axes, std::span<const std::int64_t> units,
                               std::uint64_t draws, double capacity) {
    std::vector<Bar> steps;
    if (draws == 0) {
        return steps;
    }
    forEachColumnRun(
        axes, static_cast<int>(units.size()), capacity, [&](int first, int last, bool overload) {
            std::int64_t sum = 0;
            for (int demand = first; demand <= last; ++demand) {
                sum += units[static_cast<std::size_t>(demand)];
            }
            // Divided once, at the end, so a whole expectation stays whole.
            const double perDemand =
                static_cast<double>(sum) * static_cast<double>(draws) /
                (static_cast<double>(last - first + 1) * static_cast<double>(core::kShareUnits));
            steps.push_back({first, last, perDemand, overload});
        });
    return steps;
}

QPolygonF expectedOutline(const HistogramAxes& axes, std::span<const Bar> steps) {
    QPolygonF outline;
    if (steps.empty()) {
        return outline;
    }
    const double bottom = axes.plot.bottom();
    outline << QPointF(axes.xOf(steps.front().first), bottom);
    for (const Bar& step : steps) {
        const double y = axes.yOf(std::min(step.mean, axes.top));
        const double right = axes.xOf(step.last + 1);
        // Steps within half a pixel of each other are one line: most demands are expected
        // about equally often, and a line of a few points is stroked far faster than one of
        // hundreds.
        if (outline.size() > 1 && std::abs(outline.back().y() - y) < 0.5) {
            outline.back().setX(right);
        } else {
            outline << QPointF(axes.xOf(step.first), y) << QPointF(right, y);
        }
    }
    outline << QPointF(axes.xOf(steps.back().last + 1), bottom);
    return outline;
}

QRectF barRect(const HistogramAxes& axes, const Bar& bar) {
    const double left = axes.xOf(bar.first);
    const double right = axes.xOf(bar.last + 1);
    const double gap = right - left > 4 ? (right - left) / 8 : 0;
    return {left + gap, axes.yOf(bar.mean), right - left - 2 * gap,
            axes.plot.bottom() - axes.yOf(bar.mean)};
}

double capacityMark(double capacity, int bins) {
    return capacity < 0 ? 0 : std::min<double>(std::floor(capacity) + 1, bins);
}

std::vector<QRectF> markLabelBoxes(const QRect& plot, double x, int labelWidth, int line,
                                   bool rightFirst) {
    const double width = labelWidth + line / 2.0;
    const QRectF right(x + line / 4.0, plot.top(), width, line);
    const QRectF left(x - width - line / 4.0, plot.top(), width, line);
    std::vector<QRectF> boxes;
    // Nearest the mark first, in either row, then a line farther from it at a time.
    for (int away = 0; away * line <= plot.width(); ++away) {
        for (const int row : {0, 1}) {
            const QRectF fromRight = right.translated(away * line, row * line);
            const QRectF fromLeft = left.translated(-away * line, row * line);
            boxes.push_back(rightFirst ? fromRight : fromLeft);
            boxes.push_back(rightFirst ? fromLeft : fromRight);
        }
    }
    return boxes;
}

QRectF besideCapacityOnly(const QRect& plot, double capacityX, double ceilingX) {
    const double left = ceilingX > capacityX + 1 ? plot.left() : capacityX - 1;
    return {QPointF(left, plot.top()), QPointF(capacityX + 1, plot.top() + plot.height())};
}

}  // namespace ui
