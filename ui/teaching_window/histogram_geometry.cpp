// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/histogram_geometry.hpp"

#include <algorithm>
#include <cmath>

#include "core/draw.hpp"
#include "ui/teaching_window/picture_painting.hpp"

namespace ui {
namespace {

constexpr int kBins = core::RunStatistics::kLargestDemand + 1;

}  // namespace

int binsShown(const core::Model& model, std::span<const std::uint64_t> counts) {
    std::int64_t bins = std::max<std::int64_t>(static_cast<std::int64_t>(counts.size()), 1);
    // Where nothing can be drawn, the drawn demands alone set the span.
    if (const auto ceiling = core::roundedCeiling(core::drawCeiling(model))) {
        bins = std::max(bins, std::abs(std::int64_t{*ceiling}));
    }
    const double capacity = core::capacity(model);
    if (capacity >= 0 && capacity < kBins) {
        bins = std::max(bins, static_cast<std::int64_t>(std::floor(capacity)) + 2);
    }
    return static_cast<int>(std::min<std::int64_t>(bins, kBins));
}

CountAxis countAxis(std::uint64_t highest, int steps) {
    const double step =
        std::max(1.0, niceStep(static_cast<double>(std::max<std::uint64_t>(highest, 4)), steps));
    return {step, std::max(1.0, std::ceil(static_cast<double>(highest) / step)) * step};
}

double demandStep(const HistogramAxes& axes, int labelWidth, int line) {
    return std::max(1.0,
                    niceStep(axes.bins, stepsFitting(axes.plot.width(), labelWidth + 2 * line, 8)));
}

std::vector<Bar> mergedBars(const HistogramAxes& axes, std::span<const std::uint64_t> counts,
                            double capacity) {
    std::vector<Bar> bars;
    const auto flush = [&](int first, int last, std::uint64_t sum, bool overload) {
        if (sum == 0) {
            return;
        }
        bars.push_back({first, last, static_cast<double>(sum) / (last - first + 1), overload});
    };
    int first = 0;
    std::uint64_t sum = 0;
    for (int demand = 0; demand < static_cast<int>(counts.size()); ++demand) {
        const bool overload = capacity < demand;
        if (demand > first &&
            (static_cast<int>(axes.xOf(demand)) != static_cast<int>(axes.xOf(first)) ||
             overload != (capacity < first))) {
            flush(first, demand - 1, sum, capacity < first);
            first = demand;
            sum = 0;
        }
        sum += counts[static_cast<std::size_t>(demand)];
    }
    if (!counts.empty()) {
        flush(first, static_cast<int>(counts.size()) - 1, sum, capacity < first);
    }
    return bars;
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

std::optional<QRectF> capacityLabelBox(const QRect& plot, double x, int labelWidth, int line) {
    if (plot.height() < 2 * line) {
        return std::nullopt;
    }
    const int width = labelWidth + line / 2;
    const bool leftOfMark = x + width > plot.right();
    return QRectF(leftOfMark ? x - width - line / 4.0 : x + line / 4.0, plot.top(), width, line);
}

}  // namespace ui
