// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/demand_histogram.hpp"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "core/draw.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/histogram_geometry.hpp"
#include "ui/teaching_window/picture_painting.hpp"
#include "ui/teaching_window/teaching_texts.hpp"

namespace ui {

DemandHistogram::DemandHistogram(const core::Model& model, QWidget* parent)
    : Picture(model, QStringLiteral("DemandHistogram"),
              QStringLiteral("Колко пъти е изтеглено всяко търсене"), parent) {}

QString DemandHistogram::description() const {
    const auto counts = model().statistics.demandCounts();
    const double capacity = core::capacity(model());
    QString text = QStringLiteral("Капацитет: %1. ").arg(countText(capacity, model()));
    std::uint64_t draws = 0;
    std::uint64_t above = 0;
    int lowest = -1;
    int mostFrequent = 0;
    for (int demand = 0; demand < static_cast<int>(counts.size()); ++demand) {
        const std::uint64_t count = counts[static_cast<std::size_t>(demand)];
        draws += count;
        above += capacity < demand ? count : 0;
        if (count > 0 && lowest < 0) {
            lowest = demand;
        }
        if (count > counts[static_cast<std::size_t>(mostFrequent)]) {
            mostFrequent = demand;
        }
    }
    if (draws == 0) {
        return text + QStringLiteral("Още няма тегления.");
    }
    const auto count = [this](auto value) {
        return countText(static_cast<double>(value), model());
    };
    return text + QStringLiteral(
                      "Тегления: %1, с търсене от %2 до %3. Над капацитета "
                      "(претоварвания): %4. Най-често изтеглено търсене: %5, %6.")
                      .arg(count(draws), count(lowest), count(counts.size() - 1), count(above),
                           count(mostFrequent),
                           timesText(counts[static_cast<std::size_t>(mostFrequent)], model()));
}

void DemandHistogram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    beginPicture(painter, *this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const auto counts = model().statistics.demandCounts();
    const double capacity = core::capacity(model());
    const int bins = binsShown(model(), counts);
    const std::uint64_t highest = counts.empty() ? 0 : *std::ranges::max_element(counts);

    // The plot is the height less about five lines of heading and labels.
    const CountAxis countsUp = countAxis(highest, stepsFitting(height() - 5 * line, 2 * line, 4));
    const QString widestLabel = countText(countsUp.top, model());
    const int heading =
        drawHeading(painter, width(), QStringLiteral("Колко пъти е изтеглено всяко търсене"),
                    {{kNormalColour, false, QStringLiteral("до капацитета")},
                     {kOverloadColour, false, QStringLiteral("претоварване")}});
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(widestLabel) + line,
                                       heading + line / 2, -line, -(2 * line + line / 2));
    const HistogramAxes axes{plot, bins, countsUp.top};

    drawValueGrid(painter, plot, countsUp.top, countsUp.step,
                  [this](double value) { return countText(value, model()); });
    const double xStep =
        demandStep(axes, metrics.horizontalAdvance(countText(bins, model())), line);
    for (int i = 0; i * xStep < bins; ++i) {
        const double x = axes.xOf(i * xStep + 0.5);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line / 4.0));
        painter.drawText(QRectF(x - 4 * line, plot.bottom() + line / 4.0, 8 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, countText(i * xStep, model()));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + line + line / 4, plot.width(), line),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("търсене"));

    for (const Bar& bar : mergedBars(axes, counts, capacity)) {
        painter.fillRect(barRect(axes, bar), bar.overload ? kOverloadColour : kNormalColour);
    }
    painter.setPen(kChartText);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    const double x = axes.xOf(capacityMark(capacity, bins));
    painter.setPen(QPen(kChartText, 2, Qt::DashLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const QString label = QStringLiteral("капацитет %1").arg(countText(capacity, model()));
    if (const auto box = capacityLabelBox(plot, x, metrics.horizontalAdvance(label), line)) {
        painter.fillRect(*box, QColor(255, 255, 255, 210));
        painter.setPen(kChartText);
        painter.drawText(*box, Qt::AlignCenter, label);
    }

    if (counts.empty()) {
        drawPlaceholder(painter, plot, QStringLiteral("Още няма тегления."));
    }
}

}  // namespace ui
