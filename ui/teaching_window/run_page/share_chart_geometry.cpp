// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_page/share_chart_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "ui/teaching_window/pictures/label_placement.hpp"
#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {
namespace {

using Point = core::RunStatistics::Point;

double percentAt(const Point& point) {
    return core::measuredSharePercent(point.overloads, point.tick).value_or(0);
}

}  // namespace

double roundestWithin(double low, double high) {
    // A count with more trailing zeros comes back at the next repaint while the axis grows,
    // so its band is computed once.
    for (double power = 1e15; power >= 10; power /= 10) {
        const double multiple = std::ceil(low / power) * power;
        if (multiple <= high) {
            return multiple;
        }
    }
    return std::round((low + high) / 2);
}

double shareAxisTop(std::span<const Point> kept, const Point& latest,
                    std::optional<double> expected, std::optional<double> guess) {
    double top = 5;
    if (expected) {
        top = std::max({top, *expected * 1.6, *expected + 4});
    }
    if (guess) {
        top = std::max({top, *guess * 1.2, *guess + 2});
    }
    const bool apart = latestBeyond(kept, latest);
    const Point* last = apart ? &latest : kept.empty() ? nullptr : &kept.back();
    const std::int64_t from = last == nullptr ? 1 : std::max<std::int64_t>(1, last->tick / 20);
    for (const Point& point : kept) {
        if (point.tick >= from) {
            top = std::max(top, percentAt(point));
        }
    }
    if (apart && latest.tick >= from) {
        top = std::max(top, percentAt(latest));
    }
    return shareTop(top);
}

bool latestBeyond(std::span<const Point> kept, const Point& latest) {
    return latest.tick > 0 && (kept.empty() || kept.back().tick < latest.tick);
}

double ShareAxes::yOf(double percent) const {
    return plot.bottom() - plot.height() * std::clamp(percent, 0.0, top) / top;
}

ShareAxes shareAxes(const QRect& plot, std::span<const Point> points, double top) {
    const std::int64_t ticks = points.empty() ? 0 : points.back().tick;
    return {plot, static_cast<double>(std::max<std::int64_t>(ticks, 10)), top};
}

AcrossRange tickRange(const ShareAxes& axes) {
    return {.first = 0,
            .last = axes.xMax,
            .origin = static_cast<double>(axes.plot.left()),
            .unit = axes.plot.width() / axes.xMax};
}

std::vector<ShareStretch> shareStretches(std::span<const core::RunStatistics::Stretch> stretches,
                                         std::int64_t lastTick) {
    std::vector<ShareStretch> shown;
    if (lastTick <= 0) {
        return shown;
    }
    shown.reserve(stretches.size() + 1);
    if (stretches.empty() || stretches.front().firstTick > 1) {
        const std::int64_t last = stretches.empty() ? lastTick : stretches.front().firstTick - 1;
        shown.push_back({1, last, 0, std::nullopt});
    }
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const auto& stretch = stretches[i];
        const std::int64_t last =
            i + 1 < stretches.size() ? stretches[i + 1].firstTick - 1 : lastTick;
        shown.push_back(
            {stretch.firstTick, last, stretch.overloadsBefore,
             core::expectedSharePercent(stretch.inputs.capacity, stretch.inputs.ceiling)});
    }
    return shown;
}

BandOutline bandOutline(const ShareAxes& axes, double expected, core::ShareBands& bands,
                        const ShareStretch& stretch) {
    BandOutline outline;
    const QRect& plot = axes.plot;
    const auto first = static_cast<double>(stretch.firstTick);
    // The last stretch, and a whole run, reach the plot's right edge.
    const double right = stretch.lastTick >= stretch.firstTick
                             ? std::min(axes.xOf(static_cast<double>(stretch.lastTick)),
                                        static_cast<double>(plot.right()))
                             : static_cast<double>(plot.right());
    constexpr double kSampleStep = 3;
    // Each sample stands for the ticks of its step.
    const double halfStep = axes.xMax / plot.width() * kSampleStep / 2;
    // A stretch starts wide at its very first draw; further on, a sample spans many counts.
    double counted = 1;
    for (double x = axes.xOf(first);; x += kSampleStep) {
        const double clippedX = std::min(x, right);
        const core::ShareBand at = bands.at(expected, counted);
        outline.upper << QPointF(clippedX, axes.yOf(at.high));
        outline.lower << QPointF(clippedX, axes.yOf(at.low));
        if (clippedX >= right) {
            break;
        }
        const double next = std::min(x + kSampleStep, right);
        const double tick = std::max(first, (next - plot.left()) / plot.width() * axes.xMax);
        // The right end is the band the summary states for the draws so far.
        counted = next >= right ? tick - first + 1
                                : roundestWithin(std::max(1.0, tick - first + 1 - halfStep),
                                                 tick - first + 1 + halfStep);
    }
    return outline;
}

QPolygonF measuredPath(const ShareAxes& axes, std::span<const Point> points) {
    QPolygonF path;
    path.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& point : points) {
        path << QPointF(axes.xOf(static_cast<double>(point.tick)), axes.yOf(percentAt(point)));
    }
    return path;
}

QPolygonF measuredPath(const ShareAxes& axes, std::span<const Point> points,
                       const ShareStretch& stretch) {
    QPolygonF path;
    path.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& point : points) {
        if (point.tick < stretch.firstTick || point.tick > stretch.lastTick) {
            continue;
        }
        const double share = core::measuredSharePercent(point.overloads - stretch.overloadsBefore,
                                                        point.tick - stretch.firstTick + 1)
                                 .value_or(0);
        path << QPointF(axes.xOf(static_cast<double>(point.tick)), axes.yOf(share));
    }
    return path;
}

QPolygonF onePairPerColumn(const QPolygonF& points) {
    QPolygonF path;
    if (points.isEmpty()) {
        return path;
    }
    QPointF low = points.front();
    QPointF high = low;
    int column = static_cast<int>(low.x());
    const auto flushColumn = [&] {
        if (low.y() - high.y() < 1) {
            path << low;
            return;
        }
        path << (low.x() <= high.x() ? low : high) << (low.x() <= high.x() ? high : low);
    };
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPointF at = points[i];
        if (static_cast<int>(at.x()) != column) {
            flushColumn();
            column = static_cast<int>(at.x());
            low = at;
            high = at;
        } else if (at.y() > low.y()) {
            low = at;
        } else if (at.y() < high.y()) {
            high = at;
        }
    }
    flushColumn();
    return path;
}

QPolygonF simplified(const QPolygonF& path) {
    if (path.size() < 3) {
        return path;
    }
    std::vector<bool> keep(static_cast<std::size_t>(path.size()), false);
    keep.front() = true;
    keep.back() = true;
    std::vector<std::pair<qsizetype, qsizetype>> spans = {{0, path.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        const QPointF from = path[first];
        const QPointF along = path[last] - from;
        const double length = std::hypot(along.x(), along.y());
        double farthest = 0;
        qsizetype at = first;
        for (qsizetype i = first + 1; i < last; ++i) {
            const QPointF off = path[i] - from;
            const double distance =
                length > 0 ? std::abs(along.x() * off.y() - along.y() * off.x()) / length
                           : std::hypot(off.x(), off.y());
            if (distance > farthest) {
                farthest = distance;
                at = i;
            }
        }
        if (farthest > 0.5) {
            keep[static_cast<std::size_t>(at)] = true;
            spans.emplace_back(first, at);
            spans.emplace_back(at, last);
        }
    }
    QPolygonF result;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (keep[static_cast<std::size_t>(i)]) {
            result << path[i];
        }
    }
    return result;
}

std::vector<QRectF> changeMarks(const ShareAxes& axes, std::span<const ShareStretch> stretches) {
    std::vector<QRectF> marks;
    for (std::size_t i = 1; i < stretches.size(); ++i) {
        const double x = axes.xOf(static_cast<double>(stretches[i].firstTick));
        marks.emplace_back(x - 1, axes.plot.top(), 2, axes.plot.height());
    }
    return marks;
}

std::vector<QRectF> levelLabelBoxes(const QRect& plot, double y, int labelWidth, int line,
                                    double across) {
    constexpr int kPlaces = 16;
    const double width = labelWidth + line / 2.0;
    const double leftmost = plot.left() + line / 2.0;
    const double room = std::max(plot.right() - line / 2.0 - width - leftmost, 0.0);
    std::vector<double> places;
    for (int i = 0; i <= kPlaces; ++i) {
        places.push_back(static_cast<double>(i) / kPlaces);
    }
    const double wanted = std::clamp(across, 0.0, 1.0);
    std::ranges::stable_sort(places, {}, [wanted](double at) { return std::abs(at - wanted); });
    std::vector<QRectF> boxes;
    for (const double top : {y - 1.3 * line, y + 0.3 * line}) {
        for (const double at : places) {
            boxes.emplace_back(leftmost + at * room, top, width, line);
        }
    }
    return boxes;
}

std::vector<QRectF> pastRunLabelBoxes(const QRect& plot, const QPolygonF& path, int labelWidth,
                                      int line) {
    if (path.isEmpty()) {
        return {};
    }
    // A run longer than this one leaves the plot on the right; its label stands at the edge.
    QPointF end = path.front();
    for (const QPointF& point : path) {
        if (point.x() <= plot.right()) {
            end = point;
        }
    }
    const double width = labelWidth + line / 4.0;
    const double left = std::clamp(end.x() - width - line / 4.0, static_cast<double>(plot.left()),
                                   std::max<double>(plot.left(), plot.right() - width));
    return nearby(QRectF(left, end.y() - line, width, line), QPointF(line, line / 2.0), 8);
}

}  // namespace ui
