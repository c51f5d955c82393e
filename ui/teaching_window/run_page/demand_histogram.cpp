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
#include "ui/teaching_window/pictures/label_placement.hpp"
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

DemandHistogram::DemandHistogram(const core::Model& model, const Lesson& lesson, QWidget* parent)
    : Picture(model, QStringLiteral("DemandHistogram"),
              QStringLiteral("Колко пъти е изтеглено всяко търсене"),
              QStringLiteral("Колко пъти е изтеглено всяко търсене"), parent),
      lesson_(lesson) {
    showToolTip();
    connect(&lesson_, &Lesson::changed, this, [this] {
        showToolTip();
        update();
    });
}

void DemandHistogram::showToolTip() {
    // Pupils divide the demands above the capacity by all demands and get another share; the
    // uneven remainder is why, and the outline is where they can see it once it is shown.
    const QString draws = countText(core::kDrawScale, numbers());
    QString tip = QStringLiteral(
                      "Програмата тегли число от 0 до %1 и за търсене взема остатъка му "
                      "при деление на тавана. Когато %1 не се дели точно на тавана, "
                      "по-малките търсения се падат по-често от по-големите, затова "
                      "очакваният дял на претоварванията не е просто броят на "
                      "търсенията над капацитета, разделен на броя на всички търсения.")
                      .arg(draws);
    if (lesson_.state().expectedShown) {
        tip += QLatin1Char(' ') + outlineSentence();
    }
    setToolTip(tip);
}

bool DemandHistogram::outlineDrawn() const {
    return lesson_.state().expectedShown &&
           core::drawableDemands(core::drawCeiling(model())).has_value() &&
           model().statistics.latest().tick > 0;
}

std::vector<LegendEntry> DemandHistogram::legend() const {
    const auto counts = model().statistics.demandCounts();
    const double capacity = core::capacity(model());
    bool carried = false;
    bool overloads = false;
    for (std::size_t demand = 0; demand < counts.size(); ++demand) {
        if (counts[demand] > 0) {
            (capacity < static_cast<double>(demand) ? overloads : carried) = true;
        }
    }
    std::vector<LegendEntry> entries;
    if (carried) {
        entries.push_back({kNormalColour, LegendMark::Box, QStringLiteral("до капацитета")});
    }
    if (overloads) {
        entries.push_back({kOverloadColour, LegendMark::Box, QStringLiteral("претоварване")});
    }
    if (outlineDrawn()) {
        entries.push_back(
            {kExpectedOutlineColour, LegendMark::Line, QStringLiteral("очаквано"), 1});
    }
    return entries;
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
    if (const auto latest = model().statistics.lastDemand(); latestMarked_ && latest) {
        text += QStringLiteral("Последното теглене: търсене %1, %2. ")
                    .arg(countText(latest->demand, numbers()),
                         latest->overloaded ? QStringLiteral("претоварване")
                                            : QStringLiteral("без претоварване"));
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
    if (outlineDrawn()) {
        text += QLatin1Char(' ') + outlineSentence();
    }
    return text;
}

Picture::ValueScale DemandHistogram::valueScale(int plotHeight, int line) const {
    const auto counts = model().statistics.demandCounts();
    const std::uint64_t highest = counts.empty() ? 0 : *std::ranges::max_element(counts);
    // The capacity's label, and with overselling the ceiling's, above the bars.
    return {countAxisUnderLabels(highest, plotHeight, line, core::isOverselling(model()) ? 2 : 1),
            ValueUnit::Count};
}

void DemandHistogram::setLatestMarked(bool marked) {
    if (latestMarked_ != marked) {
        latestMarked_ = marked;
        update();
    }
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
    const HistogramAxes axes{plot, bins, shown.labels.axis.top};

    paintValueGrid(painter, shown);
    const AcrossRange range = demandRange(axes);
    drawLabelledAxisAcross(
        painter, plot, range, [this](double demand) { return countText(demand, numbers()); },
        QStringLiteral("търсене"), 8);

    std::uint64_t draws = 0;
    for (const std::uint64_t count : counts) {
        draws += count;
    }
    std::vector<QRectF> marks;
    for (const Bar& bar : mergedBars(axes, counts, capacity)) {
        marks.push_back(barRect(axes, bar));
        painter.fillRect(marks.back(), bar.overload ? kOverloadColour : kNormalColour);
    }
    const auto units = core::expectedDemandUnits(core::drawCeiling(model()));
    if (units && outlineDrawn()) {
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
    QStringList labels{
        (overselling ? QStringLiteral("капацитет %1") : QStringLiteral("капацитет = таван %1"))
            .arg(countText(capacity, numbers()))};
    const auto beside = [&](double at, const QString& text, bool rightFirst) {
        return shrinking(metrics.horizontalAdvance(text), line, [&](int width, int textLine) {
            return markLabelBoxes(plot, at, width, textLine, rightFirst);
        });
    };
    std::vector<std::optional<QRectF>> placed =
        placeLabels(QRectF(plot), {beside(x, labels.front(), true)}, marks);
    const auto latest = model().statistics.lastDemand();
    if (latestMarked_ && latest && latest->demand >= 0 && latest->demand < bins) {
        const double latestX = axes.xOf(latest->demand + 0.5);
        const double size = line / 2.0;
        // A triangle at the foot of its column, pointing up at it.
        const QPolygonF pointer{{latestX, plot.bottom() - size},
                                {latestX - size / 2, static_cast<double>(plot.bottom())},
                                {latestX + size / 2, static_cast<double>(plot.bottom())}};
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(latest->overloaded ? kOverloadColour : kChartText);
        painter.drawPolygon(pointer);
        painter.restore();
        marks.push_back(pointer.boundingRect());
        if (placed.front()) {
            marks.push_back(*placed.front());
        }
        // Nor across the capacity's line, which it would seem to name.
        marks.emplace_back(x - 1, plot.top(), 2, plot.height());
        labels.append(QStringLiteral("последно: %1").arg(countText(latest->demand, numbers())));
        placed.push_back(
            placeLabels(QRectF(plot), {beside(latestX, labels.back(), true)}, marks).front());
        if (placed.back()) {
            marks.push_back(*placed.back());
        }
    }
    const auto drawable = core::drawableDemands(core::drawCeiling(model()));
    // Beyond the axis the ceiling's end is not on the picture, so it is not named there; its
    // label keeps to the ceiling's side of the capacity's mark.
    if (overselling && drawable && *drawable <= bins) {
        labels.append(
            QStringLiteral("таван %1").arg(countText(static_cast<double>(*drawable), numbers())));
        const double ceilingX = axes.xOf(static_cast<double>(*drawable));
        marks.push_back(besideCapacityOnly(plot, x, ceilingX));
        if (placed.front()) {
            marks.push_back(*placed.front());
        }
        placed.push_back(
            placeLabels(QRectF(plot), {beside(ceilingX, labels.back(), false)}, marks).front());
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (placed[i]) {
            painter.fillRect(*placed[i], QColor(255, 255, 255, 210));
            painter.setPen(kChartText);
            drawLabel(painter, *placed[i], labels.at(static_cast<qsizetype>(i)), Qt::AlignHCenter,
                      line);
        }
    }

    if (counts.empty()) {
        drawPlaceholder(painter, plot, QStringLiteral("Още няма тегления."));
    }
}

}  // namespace ui
