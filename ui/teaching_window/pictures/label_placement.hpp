// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Where a picture's labels go so that none covers another, none is cut off at the plot's edge,
// and none hides a mark; apart from the painting, so that the rule can be tested.

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace ui {

// Each label, in the order given, takes the first of its boxes (`choices`, the best first)
// that lies inside `area` and covers neither a label placed before it nor one of `marks`;
// of those, the first that no line of `lines` runs through where there is one. A label with
// no such box is left out: the picture's description says what it would have said.
std::vector<std::optional<QRectF>> placeLabels(const QRectF& area,
                                               const std::vector<std::vector<QRectF>>& choices,
                                               std::span<const QRectF> marks,
                                               std::span<const QPolygonF> lines = {});

// `wanted`, then moved by whole steps of `step` across, up and down, as far as `reach` steps,
// the nearest first: where a label looks for room when its own place is taken.
std::vector<QRectF> nearby(const QRectF& wanted, QPointF step, int reach);

// The boxes `boxesAt` gives for a label `labelWidth` wide with lines `line` high at each of
// kLabelScales, the largest first: a label shrinks before it is left out. A box is as high as
// its text's line.
std::vector<QRectF> shrinking(int labelWidth, int line,
                              const std::function<std::vector<QRectF>(int, int)>& boxesAt);

// Whether the polyline `line` runs through `box`.
bool crosses(const QPolygonF& line, const QRectF& box);

}  // namespace ui
