// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/share_chart.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/picture_painting.hpp"
#include "ui/teaching_window/share_chart_geometry.hpp"

namespace ui {

using Point = core::RunStatistics::Point;

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
    QString text =
        QStringLiteral("Тегления: %1. ").arg(countText(static_cast<double>(ticks), model()));
    if (const auto measured = core::measuredSharePercent(model())) {
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
        const core::ShareBand band = core::shareBand(*expected, static_cast<double>(ticks));
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
                                     {kBandColour, false, QStringLiteral("коридор на 95 %")}});
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("100 %")) + line,
                                       heading + line / 2, -line, -(2 * line + line / 2));
    const ShareAxes axes = shareAxes(plot, points, expected);

    // Grid and labels of both axes.
    drawValueGrid(painter, plot, axes.top, shareStep(axes, line), [this](double value) {
        return plainNumber(value, model()) + QStringLiteral(" %");
    });
    const double xStep =
        tickStep(axes, metrics.horizontalAdvance(countText(axes.xMax, model())), line);
    for (int i = 0; i * xStep <= axes.xMax + 1e-9; ++i) {
        const double x = axes.xOf(i * xStep);
        painter.setPen(kChartGrid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(kChartText);
        painter.drawText(QRectF(x - 4 * line, plot.bottom() + line / 4.0, 8 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, countText(i * xStep, model()));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + line + line / 4, plot.width(), line),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("брой тегления"));
    painter.setPen(kChartText);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    painter.save();
    painter.setClipRect(plot.adjusted(0, -1, 1, 1));
    if (expected && ticks > 0) {
        // The band, upper edge out and lower edge back.
        const BandOutline outline = bandOutline(axes, *expected);
        QPolygonF band = outline.upper;
        std::for_each(outline.lower.rbegin(), outline.lower.rend(),
                      [&band](const QPointF& p) { band << p; });
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBandColour);
        painter.drawPolygon(band);
    }
    if (expected) {
        painter.setPen(QPen(kExpectedColour, 3));
        painter.drawLine(QPointF(plot.left(), axes.yOf(*expected)),
                         QPointF(plot.right(), axes.yOf(*expected)));
    }
    if (!points.empty()) {
        // Only the path needs smooth edges; the band and the level line cost less without.
        painter.setRenderHint(QPainter::Antialiasing);
        // A thick smooth stroke costs milliseconds for a wandering path; a one-pixel smooth
        // line is fast. Stamping it over a square of device pixels draws the same two-pixel
        // line, on a projector's doubled scale too, for a tenth of the time.
        const QPolygonF simple = simplified(onePairPerColumn(measuredPath(axes, points)));
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
        if (const auto box = expectedLabelBox(plot, axes.yOf(*expected),
                                              metrics.horizontalAdvance(label), line)) {
            painter.fillRect(box->adjusted(-line / 4.0, 0, 0, 0), QColor(255, 255, 255, 210));
            painter.setPen(kExpectedColour);
            painter.drawText(*box, Qt::AlignRight | Qt::AlignVCenter, label);
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
