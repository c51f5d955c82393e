// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pictures/label_placement.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {
namespace {

// Whether the segment from `a` to `b` meets `box`: the part of the segment between the box's
// edges (Liang-Barsky) is not empty.
bool segmentMeets(QPointF a, QPointF b, const QRectF& box) {
    double from = 0;
    double to = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const auto clip = [&](double towards, double room) {
        if (towards == 0) {
            return room >= 0;
        }
        const double at = room / towards;
        if (towards < 0) {
            from = std::max(from, at);
        } else {
            to = std::min(to, at);
        }
        return from <= to;
    };
    return clip(-dx, a.x() - box.left()) && clip(dx, box.right() - a.x()) &&
           clip(-dy, a.y() - box.top()) && clip(dy, box.bottom() - a.y());
}

}  // namespace

bool crosses(const QPolygonF& line, const QRectF& box) {
    if (line.size() == 1) {
        return box.contains(line.front());
    }
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1];
        const QPointF b = line[i];
        if (std::max(a.x(), b.x()) < box.left() || std::min(a.x(), b.x()) > box.right()) {
            continue;
        }
        if (segmentMeets(a, b, box)) {
            return true;
        }
    }
    return false;
}

std::vector<std::optional<QRectF>> placeLabels(const QRectF& area,
                                               const std::vector<std::vector<QRectF>>& choices,
                                               std::span<const QRectF> marks,
                                               std::span<const QPolygonF> lines) {
    std::vector<std::optional<QRectF>> placed;
    placed.reserve(choices.size());
    // The marks a label's boxes can meet at all: a histogram's hundreds of bars, tried against
    // every box of every size, would cost more than the rest of its paint.
    std::vector<QRectF> near;
    const auto free = [&](const QRectF& box) {
        return area.contains(box) &&
               std::ranges::none_of(
                   placed, [&](const auto& other) { return other && other->intersects(box); }) &&
               std::ranges::none_of(near, [&](const QRectF& mark) { return mark.intersects(box); });
    };
    const auto clear = [&](const QRectF& box) {
        return std::ranges::none_of(lines,
                                    [&](const QPolygonF& line) { return crosses(line, box); });
    };
    for (const std::vector<QRectF>& boxes : choices) {
        QRectF reach;
        for (const QRectF& box : boxes) {
            reach |= box;
        }
        near.clear();
        std::ranges::copy_if(marks, std::back_inserter(near),
                             [&](const QRectF& mark) { return mark.intersects(reach); });
        std::optional<QRectF> chosen;
        for (const QRectF& box : boxes) {
            if (free(box) && clear(box)) {
                chosen = box;
                break;
            }
        }
        if (!chosen) {
            const auto found = std::ranges::find_if(boxes, free);
            if (found != boxes.end()) {
                chosen = *found;
            }
        }
        placed.push_back(chosen);
    }
    return placed;
}

std::vector<QRectF> shrinking(int labelWidth, int line,
                              const std::function<std::vector<QRectF>(int, int)>& boxesAt) {
    std::vector<QRectF> boxes;
    for (const double scale : kLabelScales) {
        std::ranges::copy(boxesAt(static_cast<int>(std::lround(labelWidth * scale)),
                                  std::max(1, static_cast<int>(std::lround(line * scale)))),
                          std::back_inserter(boxes));
    }
    return boxes;
}

std::vector<QRectF> nearby(const QRectF& wanted, QPointF step, int reach) {
    struct Move {
        int across;
        int up;
        double distance;
    };
    std::vector<Move> moves;
    for (int up = -reach; up <= reach; ++up) {
        for (int across = -reach; across <= reach; ++across) {
            moves.push_back({across, up, std::hypot(across * step.x(), up * step.y())});
        }
    }
    std::ranges::stable_sort(moves, {}, &Move::distance);
    std::vector<QRectF> boxes;
    boxes.reserve(moves.size());
    for (const Move& move : moves) {
        boxes.push_back(wanted.translated(move.across * step.x(), move.up * step.y()));
    }
    return boxes;
}

}  // namespace ui
