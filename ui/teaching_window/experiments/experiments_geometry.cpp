// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/experiments/experiments_geometry.hpp"

#include <algorithm>
#include <cmath>

#include "ui/teaching_window/pictures/label_placement.hpp"
#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {
namespace {

constexpr int kLastPercent = 99;

}  // namespace

double sharesTop(std::span<const double> shares, std::optional<double> bandHigh) {
    double top = 5;
    for (const double share : shares) {
        top = std::max(top, share);
    }
    if (bandHigh) {
        top = std::max(top, *bandHigh * 1.1);
    }
    return shareTop(top);
}

QPointF classDot(const QRect& plot, int index, int classes, double percent, double top) {
    const double column = static_cast<double>(plot.width()) / std::max(classes, 1);
    return {plot.left() + (index + 0.5) * column, plot.bottom() - plot.height() * percent / top};
}

QPointF curvePoint(const QRect& plot, double percent, double share, double top) {
    return {plot.left() + plot.width() * percent / kLastPercent,
            plot.bottom() - plot.height() * share / top};
}

QRectF currentRing(QPointF mark, int line) {
    // Its pen, 3 pixels, reaches beyond the radius.
    const double reach = line / 3.0 + 2;
    return {mark.x() - reach, mark.y() - reach, 2 * reach, 2 * reach};
}

std::vector<QRectF> currentLabelBoxes(QPointF mark, int labelWidth, int line) {
    return nearby(QRectF(mark.x() + line / 2.0, mark.y() - 1.5 * line, labelWidth, line),
                  QPointF(line, line / 2.0), 8);
}

std::optional<int> nearestPercent(const QRect& plot, double x) {
    // The points span from the plot's left edge to left + width, as curvePoint puts them.
    if (plot.width() <= 0 || x < plot.left() - 0.5 || x > plot.left() + plot.width() + 0.5) {
        return std::nullopt;
    }
    const double percent = (x - plot.left()) / plot.width() * kLastPercent;
    return std::clamp(static_cast<int>(std::lround(percent)), 0, kLastPercent);
}

}  // namespace ui
