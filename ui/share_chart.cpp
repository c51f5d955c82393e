// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/share_chart.hpp"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/expected_share.hpp"
#include "ui/chart_painting.hpp"
#include "ui/teaching_texts.hpp"

namespace ui {
namespace {

using Point = core::RunStatistics::Point;

// Drops the points that lie within half a pixel of the line through their neighbours
// (Ramer-Douglas-Peucker): the stroke looks the same and costs a fraction.
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

double percentAt(const Point& point) {
    return static_cast<double>(point.overloads) / static_cast<double>(point.tick) * 100;
}

// The top of the share axis: room for the expected share and its band, and for the measured
// path once its first, wildest twentieth is behind it; never above 100 %.
double shareAxisTop(const std::vector<Point>& points, std::optional<double> expected) {
    double top = 5;
    if (expected) {
        top = std::max({top, *expected * 1.6, *expected + 4});
    }
    const std::int64_t from =
        points.empty() ? 1 : std::max<std::int64_t>(1, points.back().tick / 20);
    for (const Point& point : points) {
        if (point.tick >= from) {
            top = std::max(top, percentAt(point));
        }
    }
    const double step = niceStep(std::min(top, 100.0), 5);
    return std::min(std::ceil(top / step) * step, 100.0);
}

}  // namespace

std::vector<Point> shownSeries(const core::Model& model) {
    const auto series = model.statistics.series();
    std::vector<Point> points(series.begin(), series.end());
    const Point latest = model.statistics.latest();
    if (latest.tick > 0 && (points.empty() || points.back().tick < latest.tick)) {
        points.push_back(latest);
    }
    return points;
}

ShareChart::ShareChart(const core::Model& model, QWidget* parent)
    : Picture(model, QStringLiteral("ShareChart"),
              QStringLiteral("Измерен дял на претоварванията спрямо броя тегления"), parent) {}

QString ShareChart::description() const {
    const std::int64_t ticks = model().TickCount.value_or(0);
    const auto expected = core::expectedSharePercent(model());
    QString text = QStringLiteral("Тегления: %1. ").arg(ticks);
    if (const auto measured = measuredSharePercent(model())) {
        text += QStringLiteral("Измерен дял: %1 %. ").arg(twoDecimals(*measured, model()));
    } else {
        text += QStringLiteral("Още няма тегления. ");
    }
    if (!expected) {
        return text + QStringLiteral(
                          "Очакван дял: няма, с този брой елементи не може да се "
                          "изтегли търсене.");
    }
    text += QStringLiteral("Очакван дял: %1 %.").arg(twoDecimals(*expected, model()));
    if (ticks > 0) {
        const ShareBand band = shareBand(*expected, static_cast<double>(ticks));
        text += QStringLiteral(
                    " След толкова тегления 95 от 100 измервания попадат между %1 % и "
                    "%2 %.")
                    .arg(twoDecimals(band.low, model()), twoDecimals(band.high, model()));
    }
    return text;
}

void ShareChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    beginPicture(painter, *this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();

    const auto expected = core::expectedSharePercent(model());
    const std::vector<Point> points = shownSeries(model());
    const std::int64_t ticks = points.empty() ? 0 : points.back().tick;

    // Title and legend on top, share labels on the left, tick labels and their title below.
    const int heading = drawHeading(painter, width(), QStringLiteral("Дял на претоварванията, %"),
                                    {{kMeasuredColour, true, QStringLiteral("измерен")},
                                     {kExpectedColour, true, QStringLiteral("очакван")},
                                     {kBandColour, false, QStringLiteral("95 % интервал")}});
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("100 %")) + line,
                                       heading + line / 2, -line, -(2 * line + line / 2));

    const double top = shareAxisTop(points, expected);
    const auto xMax = static_cast<double>(std::max<std::int64_t>(ticks, 10));
    const auto xOf = [&](double tick) { return plot.left() + plot.width() * tick / xMax; };
    const auto yOf = [&](double percent) {
        return plot.bottom() - plot.height() * std::clamp(percent, 0.0, top) / top;
    };

    // Grid and labels of both axes.
    const double yStep = niceStep(top, stepsFitting(plot.height(), 2 * line, 5));
    drawValueGrid(painter, plot, top, yStep, [this](double value) {
        return plainNumber(value, model()) + QStringLiteral(" %");
    });
    const int xLabel = metrics.horizontalAdvance(plainNumber(xMax, model()));
    const double xStep =
        std::max(1.0, niceStep(xMax, stepsFitting(plot.width(), xLabel + 2 * line, 6)));
    for (int i = 0; i * xStep <= xMax + 1e-9; ++i) {
        const double x = xOf(i * xStep);
        painter.setPen(kChartGrid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(kChartText);
        painter.drawText(QRectF(x - 4 * line, plot.bottom() + line / 4.0, 8 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, plainNumber(i * xStep, model()));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + line + line / 4, plot.width(), line),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("брой тегления"));
    painter.setPen(kChartText);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    painter.save();
    painter.setClipRect(plot.adjusted(0, -1, 1, 1));
    if (expected && ticks > 0) {
        // The band, sampled every few pixels from tick 1 on, upper edge out and lower edge back.
        QPolygonF band;
        std::vector<QPointF> lower;
        for (double x = xOf(1);; x += 3) {
            const double clippedX = std::min(x, static_cast<double>(plot.right()));
            const double tick = std::max(1.0, (clippedX - plot.left()) / plot.width() * xMax);
            const ShareBand at = shareBand(*expected, tick);
            band << QPointF(clippedX, yOf(at.high));
            lower.emplace_back(clippedX, yOf(at.low));
            if (clippedX >= plot.right()) {
                break;
            }
        }
        std::for_each(lower.rbegin(), lower.rend(), [&band](const QPointF& p) { band << p; });
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBandColour);
        painter.drawPolygon(band);
    }
    if (expected) {
        painter.setPen(QPen(kExpectedColour, 3));
        painter.drawLine(QPointF(plot.left(), yOf(*expected)),
                         QPointF(plot.right(), yOf(*expected)));
    }
    if (!points.empty()) {
        // Thousands of points fall on a few hundred pixel columns: each column keeps its
        // highest and lowest point, in the order drawn, which looks the same and strokes fast.
        QPolygonF path;
        int column = std::numeric_limits<int>::min();
        QPointF low;
        QPointF high;
        const auto flushColumn = [&] {
            if (low.y() - high.y() < 1) {
                path << low;
                return;
            }
            path << (low.x() <= high.x() ? low : high) << (low.x() <= high.x() ? high : low);
        };
        for (const Point& point : points) {
            const QPointF at(xOf(static_cast<double>(point.tick)), yOf(percentAt(point)));
            if (static_cast<int>(at.x()) != column) {
                if (column != std::numeric_limits<int>::min()) {
                    flushColumn();
                    // Only the path needs smooth edges; the band and the level line cost less
                    // without.
                    painter.setRenderHint(QPainter::Antialiasing);
                }
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
        // Only the path needs smooth edges; the band and the level line cost less without.
        painter.setRenderHint(QPainter::Antialiasing);
        // A thick smooth stroke costs milliseconds for a wandering path; a one-pixel smooth
        // line is fast. Stamping it over a square of device pixels draws the same two-pixel
        // line, on a projector's doubled scale too, for a tenth of the time.
        const QPolygonF simple = simplified(path);
        painter.setPen(QPen(kMeasuredColour, 0));
        const double pixel = 1 / devicePixelRatioF();
        const int stamps = std::max(2, static_cast<int>(std::lround(2 * devicePixelRatioF())));
        for (int dx = 0; dx < stamps; ++dx) {
            for (int dy = 0; dy < stamps; ++dy) {
                painter.drawPolyline(simple.translated(dx * pixel, dy * pixel));
            }
        }
    }
    painter.restore();

    if (expected) {
        const QString label =
            QStringLiteral("очакван дял %1 %").arg(twoDecimals(*expected, model()));
        const double y = yOf(*expected);
        // Above the line where the plot has room, else below it, else only in the summary.
        const bool above = y - 1.3 * line >= plot.top();
        if (above || y + 1.3 * line <= plot.bottom()) {
            const QRectF box(plot.right() - metrics.horizontalAdvance(label) - line,
                             above ? y - 1.3 * line : y + 0.3 * line,
                             metrics.horizontalAdvance(label) + line / 2.0, line);
            painter.fillRect(box.adjusted(-line / 4.0, 0, 0, 0), QColor(255, 255, 255, 210));
            painter.setPen(kExpectedColour);
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
        }
    } else {
        drawPlaceholder(painter, plot,
                        QStringLiteral("Очакван дял: няма — с този брой елементи\n"
                                       "не може да се изтегли търсене."));
    }
    if (ticks == 0 && expected) {
        drawPlaceholder(painter, plot.adjusted(0, plot.height() / 3, 0, 0),
                        QStringLiteral("Още няма тегления: натиснете „Изведи“ или „Една стъпка“."));
    }
}

}  // namespace ui
