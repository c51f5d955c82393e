// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/demand_histogram.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "core/tick.hpp"
#include "runtime/errors.hpp"
#include "runtime/number_from_text.hpp"
#include "runtime/rounding.hpp"
#include "ui/chart_painting.hpp"
#include "ui/teaching_texts.hpp"

namespace ui {
namespace {

constexpr int kBins = core::RunStatistics::kLargestDemand + 1;

double capacityOf(const core::Model& model) {
    return runtime::numberFromText(model.text(core::Text1(2)));
}

// The demands the picture spans: all drawn so far, all the current ceiling can draw, and the
// first one above the capacity, so that its mark is inside.
int binsShown(const core::Model& model, std::span<const std::uint64_t> counts) {
    std::int64_t bins = std::max<std::int64_t>(static_cast<std::int64_t>(counts.size()), 1);
    try {
        const std::int64_t ceiling =
            std::abs(std::int64_t{runtime::roundToInt32(core::drawCeiling(model))});
        bins = std::max(bins, ceiling);
    } catch (const runtime::Overflow&) {
        // Nothing can be drawn; the drawn demands alone set the span.
    }
    const double capacity = capacityOf(model);
    if (capacity >= 0 && capacity < kBins) {
        bins = std::max(bins, static_cast<std::int64_t>(std::floor(capacity)) + 2);
    }
    return static_cast<int>(std::min<std::int64_t>(bins, kBins));
}

}  // namespace

DemandHistogram::DemandHistogram(const core::Model& model, QWidget* parent)
    : Picture(model, QStringLiteral("DemandHistogram"),
              QStringLiteral("Колко пъти е изтеглено всяко търсене"), parent) {}

QString DemandHistogram::description() const {
    const auto counts = model().statistics.demandCounts();
    const double capacity = capacityOf(model());
    QString text = QStringLiteral("Капацитет: %1. ").arg(plainNumber(capacity, model()));
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
    return text + QStringLiteral(
                      "Тегления: %1, с търсене от %2 до %3. Над капацитета "
                      "(претоварвания): %4. Най-често изтеглено търсене: %5, %6 пъти.")
                      .arg(draws)
                      .arg(lowest)
                      .arg(counts.size() - 1)
                      .arg(above)
                      .arg(mostFrequent)
                      .arg(counts[static_cast<std::size_t>(mostFrequent)]);
}

void DemandHistogram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    beginPicture(painter, *this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const auto counts = model().statistics.demandCounts();
    const double capacity = capacityOf(model());
    const int bins = binsShown(model(), counts);
    const std::uint64_t highest = counts.empty() ? 0 : *std::ranges::max_element(counts);

    // The plot is the height less about five lines of heading and labels.
    const int ySteps = stepsFitting(height() - 5 * line, 2 * line, 4);
    const double yStep =
        std::max(1.0, niceStep(static_cast<double>(std::max<std::uint64_t>(highest, 4)), ySteps));
    const double top = std::max(1.0, std::ceil(static_cast<double>(highest) / yStep)) * yStep;
    const QString widestLabel = plainNumber(top, model());
    const int heading =
        drawHeading(painter, width(), QStringLiteral("Колко пъти е изтеглено всяко търсене"),
                    {{kNormalColour, false, QStringLiteral("до капацитета")},
                     {kOverloadColour, false, QStringLiteral("претоварване")}});
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(widestLabel) + line,
                                       heading + line / 2, -line, -(2 * line + line / 2));

    const auto xOf = [&](double demand) { return plot.left() + plot.width() * demand / bins; };
    const auto yOf = [&](double count) { return plot.bottom() - plot.height() * count / top; };

    drawValueGrid(painter, plot, top, yStep,
                  [this](double value) { return plainNumber(value, model()); });
    const int xLabel = metrics.horizontalAdvance(plainNumber(bins, model()));
    const double xStep =
        std::max(1.0, niceStep(bins, stepsFitting(plot.width(), xLabel + 2 * line, 8)));
    for (int i = 0; i * xStep < bins; ++i) {
        const double x = xOf(i * xStep + 0.5);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line / 4.0));
        painter.drawText(QRectF(x - 4 * line, plot.bottom() + line / 4.0, 8 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, plainNumber(i * xStep, model()));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + line + line / 4, plot.width(), line),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("търсене"));

    // Bars: neighbouring demands that fall in the same pixel column and on the same side of the
    // capacity are drawn as one bar of their mean height, so 10001 bins cost a few hundred rects.
    const auto flush = [&](int first, int last, std::uint64_t sum, bool overload) {
        if (sum == 0) {
            return;
        }
        const double mean = static_cast<double>(sum) / (last - first + 1);
        const double left = xOf(first);
        const double right = xOf(last + 1);
        const double gap = right - left > 4 ? (right - left) / 8 : 0;
        painter.fillRect(
            QRectF(left + gap, yOf(mean), right - left - 2 * gap, plot.bottom() - yOf(mean)),
            overload ? kOverloadColour : kNormalColour);
    };
    int first = 0;
    std::uint64_t sum = 0;
    for (int demand = 0; demand < static_cast<int>(counts.size()); ++demand) {
        const bool overload = capacity < demand;
        if (demand > first && (static_cast<int>(xOf(demand)) != static_cast<int>(xOf(first)) ||
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
    painter.setPen(kChartText);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // The capacity sits between the last demand it carries and the first it does not.
    const double mark = capacity < 0 ? 0 : std::min<double>(std::floor(capacity) + 1, bins);
    const double x = xOf(mark);
    painter.setPen(QPen(kChartText, 2, Qt::DashLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const QString label = QStringLiteral("капацитет %1").arg(plainNumber(capacity, model()));
    const int width = metrics.horizontalAdvance(label) + line / 2;
    const bool leftOfMark = x + width > plot.right();
    if (plot.height() >= 2 * line) {
        const QRectF box(leftOfMark ? x - width - line / 4.0 : x + line / 4.0, plot.top(), width,
                         line);
        painter.fillRect(box, QColor(255, 255, 255, 210));
        painter.setPen(kChartText);
        painter.drawText(box, Qt::AlignCenter, label);
    }

    if (counts.empty()) {
        drawPlaceholder(painter, plot, QStringLiteral("Още няма тегления."));
    }
}

}  // namespace ui
