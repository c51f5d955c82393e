// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_page/share_chart.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/pictures/label_placement.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"
#include "ui/teaching_window/run_page/share_chart_geometry.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

using Point = core::RunStatistics::Point;

std::vector<Point> shownSeries(const core::Model& model) {
    const auto series = model.statistics.series();
    std::vector<Point> points(series.begin(), series.end());
    const Point latest = model.statistics.latest();
    if (latestBeyond(series, latest)) {
        points.push_back(latest);
    }
    return points;
}

namespace {

const QColor kGuessColour{0xB0, 0x4A, 0x00};
// Faint grey and thin: earlier runs are background to the current one.
const QColor kPastRunColour{0x70, 0x70, 0x70, 0x90};
constexpr double kPastRunPen = 1.5;

// "предишен опит: 100 ел., 10 %": the capacity and the overselling an earlier run ended with.
QString pastRunLabel(const core::RunStatistics::DrawInputs& inputs, const NumberFormat& format) {
    const double percent = inputs.capacity != 0 ? (inputs.ceiling / inputs.capacity - 1) * 100 : 0;
    return QStringLiteral("предишен опит: %1 ел., %2\u00A0%")
        .arg(countText(inputs.capacity, format),
             plainNumber(std::round(percent * 100) / 100, format));
}

// An earlier run's points, with its latest tick where thinning left it out.
std::vector<Point> pastPoints(const core::RunStatistics::PastRun& past) {
    std::vector<Point> points(past.series.begin(), past.series.end());
    if (past.latest.tick > 0 && (points.empty() || points.back().tick < past.latest.tick)) {
        points.push_back(past.latest);
    }
    return points;
}

}  // namespace

ShareChart::ShareChart(const core::Model& model, const Lesson& lesson, QWidget* parent)
    : Picture(model, QStringLiteral("ShareChart"),
              QStringLiteral("Измерен дял на претоварванията спрямо броя тегления"),
              QStringLiteral("Дял на претоварванията,\u00A0%"), parent),
      lesson_(lesson) {
    setToolTip(bandExplanation());
    connect(&lesson_, &Lesson::changed, this, [this] { update(); });
}

std::optional<double> ShareChart::shownExpected() const {
    return lesson_.state().expectedShown ? core::expectedSharePercent(model()) : std::nullopt;
}

bool ShareChart::bandDrawn() const {
    const std::int64_t ticks = model().statistics.latest().tick;
    if (!lesson_.state().expectedShown || ticks <= 0) {
        return false;
    }
    return std::ranges::any_of(
        shareStretches(model().statistics.stretches(), ticks),
        [](const ShareStretch& stretch) { return stretch.expected.has_value(); });
}

std::vector<LegendEntry> ShareChart::legend() const {
    std::vector<LegendEntry> entries;
    const bool drawn = model().statistics.latest().tick > 0;
    if (drawn) {
        entries.push_back({kMeasuredColour, LegendMark::Line, QStringLiteral("измерен"), 2});
    }
    const bool band = bandDrawn();
    if (band || (!drawn && shownExpected())) {
        entries.push_back({kExpectedColour, LegendMark::Line, QStringLiteral("очакван")});
    }
    if (band) {
        entries.push_back({kBandColour, LegendMark::Box, QStringLiteral("коридор на 95\u00A0%")});
    }
    if (lesson_.state().guess) {
        entries.push_back({kGuessColour, LegendMark::DashedLine, QStringLiteral("прогноза")});
    }
    if (!model().statistics.pastRuns().empty()) {
        entries.push_back(
            {kPastRunColour, LegendMark::Line, QStringLiteral("предишни опити"), kPastRunPen});
    }
    return entries;
}

Picture::ValueScale ShareChart::valueScale(int plotHeight, int line) const {
    const double top = shareAxisTop(model().statistics.series(), model().statistics.latest(),
                                    shownExpected(), lesson_.state().guess);
    return {valueAxis(top, plotHeight, line, 100), ValueUnit::Percent};
}

QString ShareChart::description() const {
    const std::int64_t ticks = model().TickCount.value_or(0);
    const auto expected = core::expectedSharePercent(model());
    QString text =
        QStringLiteral("Тегления: %1. ").arg(countText(static_cast<double>(ticks), numbers()));
    if (const auto measured = core::measuredSharePercent(model())) {
        text += QStringLiteral("Измерен дял: %1 %. ").arg(twoDecimals(*measured, numbers()));
    } else {
        text += QStringLiteral("Още няма тегления. ");
    }
    if (lesson_.state().guess) {
        text += QStringLiteral("Прогноза на класа: %1 %. ")
                    .arg(twoDecimals(*lesson_.state().guess, numbers()));
    }
    if (!lesson_.state().expectedShown) {
        return text + QStringLiteral("Очакваният дял е скрит.");
    }
    if (!expected) {
        return text + QStringLiteral(
                          "Очакван дял: няма, с този брой елементи не може да се "
                          "изтегли търсене.");
    }
    text += QStringLiteral("Очакван дял: %1 %.").arg(twoDecimals(*expected, numbers()));
    if (ticks > 0) {
        const core::ShareBand band = core::shareBand(*expected, static_cast<double>(ticks));
        text += QStringLiteral(
                    " След толкова тегления 95 от 100 измервания попадат между %1 % и "
                    "%2 %.")
                    .arg(twoDecimals(band.low, numbers()), twoDecimals(band.high, numbers()));
    }
    return text;
}

void ShareChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintHeading(painter);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();

    const auto expected = shownExpected();
    const auto guess = lesson_.state().guess;
    const std::vector<Point> points = shownSeries(model());
    const std::int64_t ticks = points.empty() ? 0 : points.back().tick;
    const Plot shown = this->plot();
    const QRect plot = shown.area;
    const ShareAxes axes = shareAxes(plot, points, shown.labels.axis.top);

    // Grid and labels of both axes.
    paintValueGrid(painter, shown);
    const AcrossRange range = tickRange(axes);
    const auto tickLabel = [this](double tick) { return countText(tick, numbers()); };
    const QString acrossTitle = QStringLiteral("тегления");
    const AcrossAxis across = acrossAxis(
        range, [&](double tick) { return metrics.horizontalAdvance(tickLabel(tick)); },
        metrics.horizontalAdvance(acrossTitle), plot.right(), line, 6);
    painter.setPen(kChartGrid);
    for (const double tick : across.values) {
        painter.drawLine(QPointF(range.xOf(tick), plot.top()),
                         QPointF(range.xOf(tick), plot.bottom()));
    }
    drawAxisAcross(painter, plot, range, across, tickLabel, acrossTitle);
    painter.setPen(kChartText);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    painter.save();
    painter.setClipRect(plot.adjusted(0, -1, 1, 1));
    // Each stretch of unchanged inputs against its own expected share and band, counted from
    // its start; before the first tick, the current inputs' level alone.
    const std::vector<ShareStretch> stretches =
        shareStretches(model().statistics.stretches(), ticks);
    const auto stretchRight = [&](std::size_t i) {
        return i + 1 < stretches.size() ? axes.xOf(static_cast<double>(stretches[i].lastTick))
                                        : static_cast<double>(plot.right());
    };
    for (std::size_t i = 0; lesson_.state().expectedShown && i < stretches.size(); ++i) {
        const ShareStretch& stretch = stretches[i];
        if (!stretch.expected) {
            continue;
        }
        // The band, upper edge out and lower edge back.
        const BandOutline outline = bandOutline(axes, *stretch.expected, bands_, stretch);
        QPolygonF band = outline.upper;
        std::for_each(outline.lower.rbegin(), outline.lower.rend(),
                      [&band](const QPointF& p) { band << p; });
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBandColour);
        painter.drawPolygon(band);
        painter.setPen(QPen(kExpectedColour, 3));
        const double left = i == 0 ? plot.left() : axes.xOf(static_cast<double>(stretch.firstTick));
        painter.drawLine(QPointF(left, axes.yOf(*stretch.expected)),
                         QPointF(stretchRight(i), axes.yOf(*stretch.expected)));
    }
    if (expected && stretches.empty()) {
        painter.setPen(QPen(kExpectedColour, 3));
        painter.drawLine(QPointF(plot.left(), axes.yOf(*expected)),
                         QPointF(plot.right(), axes.yOf(*expected)));
    }
    // Where the inputs changed, a mark across the plot.
    const std::vector<QRectF> marks = changeMarks(axes, stretches);
    painter.setPen(QPen(kChartText, 2, Qt::DotLine));
    for (const QRectF& mark : marks) {
        painter.drawLine(QPointF(mark.center().x(), mark.top()),
                         QPointF(mark.center().x(), mark.bottom()));
    }
    if (guess) {
        painter.setPen(QPen(kGuessColour, 3, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), axes.yOf(*guess)),
                         QPointF(plot.right(), axes.yOf(*guess)));
    }
    // The last runs before this one, faint behind it.
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<QPolygonF> pastPaths;
    for (const auto& past : model().statistics.pastRuns()) {
        pastPaths.push_back(simplified(onePairPerColumn(measuredPath(axes, pastPoints(past)))));
        painter.setPen(QPen(kPastRunColour, kPastRunPen));
        painter.drawPolyline(pastPaths.back());
    }
    std::vector<QPolygonF> measured;
    if (!points.empty()) {
        // A thick smooth stroke costs milliseconds for a wandering path; a one-pixel smooth
        // line is fast. Stamping it over a square of device pixels draws the same two-pixel
        // line, on a projector's doubled scale too, for a tenth of the time.
        painter.setPen(QPen(kMeasuredColour, 0));
        const double pixel = 1 / devicePixelRatioF();
        const int stamps = std::max(2, static_cast<int>(std::lround(2 * devicePixelRatioF())));
        for (const ShareStretch& stretch : stretches) {
            measured.push_back(simplified(onePairPerColumn(measuredPath(axes, points, stretch))));
            for (int dx = 0; dx < stamps; ++dx) {
                for (int dy = 0; dy < stamps; ++dy) {
                    painter.drawPolyline(measured.back().translated(dx * pixel, dy * pixel));
                }
            }
        }
    }
    painter.restore();

    // The level lines' labels stand at the left, where the measured path has long left the
    // level lines, with no box behind them that could hide the path; after a change, where the
    // current inputs' stretch begins. None covers another or a mark of a change, nor, where
    // there is room, the other level line; where there is no room, one shrinks.
    struct Label {
        QString text;
        QColor colour;
        Qt::Alignment align;
    };
    std::vector<Label> labels;
    std::vector<std::vector<QRectF>> levelChoices;
    const double labelAcross =
        stretches.size() > 1
            ? (axes.xOf(static_cast<double>(stretches.back().firstTick)) - plot.left()) /
                  std::max(plot.width(), 1)
            : 0.0;
    std::vector<QPolygonF> levelLines;
    const auto addLevel = [&](double level, const QString& text, const QColor& colour, double at) {
        levelLines.push_back(QPolygonF(
            {QPointF(plot.left(), axes.yOf(level)), QPointF(plot.right(), axes.yOf(level))}));
        labels.push_back({text, colour, Qt::AlignLeft});
        levelChoices.push_back(
            shrinking(metrics.horizontalAdvance(text), line, [&](int width, int textLine) {
                return levelLabelBoxes(plot, axes.yOf(level), width, textLine, at);
            }));
    };
    if (expected) {
        addLevel(*expected,
                 QStringLiteral("очакван дял %1\u00A0%").arg(twoDecimals(*expected, numbers())),
                 kExpectedColour, labelAcross);
    }
    if (guess) {
        addLevel(*guess, QStringLiteral("прогноза %1\u00A0%").arg(twoDecimals(*guess, numbers())),
                 kGuessColour, expected ? 0.5 : 0);
    }
    std::vector<std::optional<QRectF>> placed =
        placeLabels(QRectF(plot), levelChoices, marks, levelLines);
    // Each earlier run named by its inputs at its end, off the current path and the level
    // lines where there is room.
    std::vector<QRectF> taken = marks;
    for (const auto& box : placed) {
        if (box) {
            taken.push_back(*box);
        }
    }
    std::vector<std::vector<QRectF>> pastChoices;
    const auto pastRuns = model().statistics.pastRuns();
    for (std::size_t i = 0; i < pastRuns.size(); ++i) {
        const QString text = pastRunLabel(pastRuns[i].inputs, numbers());
        labels.push_back({text, kPastRunColour, Qt::AlignRight});
        pastChoices.push_back(
            shrinking(metrics.horizontalAdvance(text), line, [&](int width, int textLine) {
                return pastRunLabelBoxes(plot, pastPaths[i], width, textLine);
            }));
    }
    std::ranges::copy(levelLines, std::back_inserter(measured));
    std::ranges::move(placeLabels(QRectF(plot), pastChoices, taken, measured),
                      std::back_inserter(placed));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (placed[i]) {
            painter.setPen(labels[i].colour);
            drawLabel(painter, *placed[i], labels[i].text, labels[i].align, line);
        }
    }

    if (!expected && lesson_.state().expectedShown) {
        drawPlaceholder(painter, plot,
                        QStringLiteral("Очакван дял: няма — с този брой елементи\n"
                                       "не може да се изтегли търсене."));
    }
    if (ticks == 0 && (expected || !lesson_.state().expectedShown)) {
        drawPlaceholder(painter, plot.adjusted(0, plot.height() / 3, 0, 0),
                        QStringLiteral("Още няма тегления: натиснете „Изведи“ или „Една стъпка“."));
    }
}

}  // namespace ui
