// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_page/demand_histogram.hpp"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"
#include "ui/teaching_window/run_page/histogram_geometry.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {
namespace {

// Faint beside the bars, so that the drawn counts stay what the eye reads first.
const QColor kExpectedOutlineColour{0x20, 0x20, 0x20, 0xB0};

QString outlineSentence() {
    return QStringLiteral(
        "Тънката тъмна линия („очаквано“) показва колко пъти се очаква да бъде изтеглено "
        "всяко търсене при досегашния брой тегления.");
}

}  // namespace

DemandHistogram::DemandHistogram(const core::Model& model, QWidget* parent)
    : Picture(model, QStringLiteral("DemandHistogram"),
              QStringLiteral("Колко пъти е изтеглено всяко търсене"),
              QStringLiteral("Брой тегления на всяко търсене"),
              {{kNormalColour, false, QStringLiteral("до капацитета")},
               {kOverloadColour, false, QStringLiteral("претоварване")},
               {kExpectedOutlineColour, true, QStringLiteral("очаквано")}},
              parent) {
    // Pupils divide the demands above the capacity by all demands and get another share; the
    // uneven remainder is why, and the outline is where they can see it.
    const QString draws = countText(core::kDrawScale, numbers());
    setToolTip(QStringLiteral("Програмата тегли число от 0 до %1 и за търсене взема остатъка му "
                              "при деление на тавана. Когато %1 не се дели точно на тавана, "
                              "по-малките търсения се падат по-често от по-големите, затова "
                              "очакваният дял на претоварванията не е просто броят на "
                              "търсенията над капацитета, разделен на броя на всички търсения. ")
                   .arg(draws) +
               outlineSentence());
}

QString DemandHistogram::description() const {
    const auto counts = model().statistics.demandCounts();
    const double capacity = core::capacity(model());
    QString text = QStringLiteral("Капацитет: %1. ").arg(countText(capacity, numbers()));
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
        return countText(static_cast<double>(value), numbers());
    };
    const QString times =
        countedText(static_cast<double>(counts[static_cast<std::size_t>(mostFrequent)]),
                    QStringLiteral("път"), QStringLiteral("пъти"), numbers());
    text += QStringLiteral(
                "Тегления: %1, с търсене от %2 до %3. Над капацитета "
                "(претоварвания): %4. Най-често изтеглено търсене: %5, %6.")
                .arg(count(draws), count(lowest), count(counts.size() - 1), count(above),
                     count(mostFrequent), times);
    if (core::drawableDemands(core::drawCeiling(model()))) {
        text += QLatin1Char(' ') + outlineSentence();
    }
    return text;
}

Picture::ValueScale DemandHistogram::valueScale(int plotHeight, int line) const {
    const auto counts = model().statistics.demandCounts();
    const std::uint64_t highest = counts.empty() ? 0 : *std::ranges::max_element(counts);
    return {countAxis(highest, valueDivisions(plotHeight, line)), ValueUnit::Count};
}

void DemandHistogram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintHeading(painter);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const auto counts = model().statistics.demandCounts();
    const double capacity = core::capacity(model());
    const int bins = binsShown(model(), counts);
    const Plot shown = this->plot();
    const QRect plot = shown.area;
    const HistogramAxes axes{plot, bins, shown.axis.top};

    paintValueGrid(painter, shown);
    const double xStep =
        demandStep(axes, metrics.horizontalAdvance(countText(bins, numbers())), line);
    std::vector<std::pair<double, QString>> across;
    for (int i = 0; i * xStep < bins; ++i) {
        across.emplace_back(axes.xOf(i * xStep + 0.5), countText(i * xStep, numbers()));
    }
    drawAxisAcross(painter, plot, across, QStringLiteral("търсене"));

    std::uint64_t draws = 0;
    for (const std::uint64_t count : counts) {
        draws += count;
    }
    for (const Bar& bar : mergedBars(axes, counts, capacity)) {
        painter.fillRect(barRect(axes, bar), bar.overload ? kOverloadColour : kNormalColour);
    }
    if (const auto units = core::expectedDemandUnits(core::drawCeiling(model()))) {
        const std::vector<Bar> steps = expectedSteps(axes, *units, draws, capacity);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(kExpectedOutlineColour, 1));
        painter.drawPolyline(expectedOutline(axes, steps));
        painter.restore();
    }
    painter.setPen(kChartText);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    const double x = axes.xOf(capacityMark(capacity, bins));
    painter.setPen(QPen(kChartText, 2, Qt::DashLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    // Without overselling the ceiling is the capacity itself, which is why nothing passes it.
    const bool overselling = core::isOverselling(model());
    const QString label =
        (overselling ? QStringLiteral("капацитет %1") : QStringLiteral("капацитет = таван %1"))
            .arg(countText(capacity, numbers()));
    const auto capacityBox = capacityLabelBox(plot, x, metrics.horizontalAdvance(label), line);
    const auto drawLabel = [&](const QRectF& box, const QString& text) {
        painter.fillRect(box, QColor(255, 255, 255, 210));
        painter.setPen(kChartText);
        painter.drawText(box, Qt::AlignCenter, text);
    };
    if (capacityBox) {
        drawLabel(*capacityBox, label);
    }
    const auto drawable = core::drawableDemands(core::drawCeiling(model()));
    // Beyond the axis the ceiling's end is not on the picture, so it is not named there.
    if (overselling && drawable && *drawable <= bins) {
        const QString ceiling =
            QStringLiteral("таван %1").arg(countText(static_cast<double>(*drawable), numbers()));
        if (const auto box =
                ceilingLabelBox(plot, axes.xOf(static_cast<double>(*drawable)),
                                metrics.horizontalAdvance(ceiling), line, capacityBox)) {
            drawLabel(*box, ceiling);
        }
    }

    if (counts.empty()) {
        drawPlaceholder(painter, plot, QStringLiteral("Още няма тегления."));
    }
}

}  // namespace ui
