// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Where the pictures of the experiments page put things, apart from the painting.

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <optional>
#include <span>
#include <vector>

namespace ui {

// The top of a share axis that shows every value, the band's upper edge and some room above:
// at least 5 %, a whole step of 1, 2 or 5 times a power of ten, never above 100 %.
double sharesTop(std::span<const double> shares, std::optional<double> bandHigh);

// The dot of class `index` (from 0) of `classes` with a share `percent`, on a plot whose share
// axis runs from 0 to `top`: the classes side by side across, each in the middle of its column.
QPointF classDot(const QRect& plot, int index, int classes, double percent, double top);

// The point of overselling percentage `percent` (0 to 99) with an expected share `share` on
// the curve's plot.
QPointF curvePoint(const QRect& plot, double percent, double share, double top);

// The ring around the current inputs' point `mark` on the curve, for lines `line` high.
QRectF currentRing(QPointF mark, int line);
// Where the label of the current inputs' point `mark` may go, the best first: above it to the
// right, then ever farther around.
std::vector<QRectF> currentLabelBoxes(QPointF mark, int labelWidth, int line);

// The overselling percentage, 0 to 99, whose point is nearest to `x` across the plot; none
// outside it.
std::optional<int> nearestPercent(const QRect& plot, double x);

}  // namespace ui
