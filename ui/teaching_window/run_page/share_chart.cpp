// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_page/share_chart.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"
#include "ui/teaching_window/run_page/share_chart_geometry.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

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

namespace {

const QColor kGuessColour{0xB0, 0x4A, 0x00};
// Faint grey: earlier runs are background to the current one.
const QColor kPastRunColour{0x70, 0x70, 0x70, 0x90};

// "100 · 10 %": the capacity and the overselling an earlier run ended with.
QString pastRunLabel(const core::RunStatistics::DrawInputs& inputs, const NumberFormat& format) {
    const double percent = inputs.capacity != 0 ? (inputs.ceiling / inputs.capacity - 1) * 100 : 0;
    return QStringLiteral("%1 · %2 %")
        .arg(countText(inputs.capacity, format),
             plainNumber(std::round(percent * 100) / 100, format));
}

}  // namespace

ShareChart::ShareChart(const core::Model& model, const Lesson& lesson, QWidget* parent)
    : Picture(model, QStringLiteral("ShareChart"),
              QStringLiteral("Измерен дял на претоварванията спрямо броя тегления"),
              QStringLiteral("Дял на претоварванията, %"),
              {{kMeasuredColour, true, QStringLiteral("измерен")},
               {kExpectedColour, true, QStringLiteral("очакван")},
               {kBandColour, false, QStringLiteral("коридор на 95 %")}},
              parent),
      lesson_(lesson) {
    setToolTip(bandExplanation());
    connect(&lesson_, &Lesson::changed, this, [this] { update(); });
}

std::optional<double> ShareChart::shownExpected() const {
    return lesson_.state().expectedShown ? core::expectedSharePercent(model()) : std::nullopt;
}

Picture::ValueScale ShareChart::valueScale(int plotHeight, int line) const {
    const double top = shareAxisTop(shownSeries(model()), shownExpected(), lesson_.state().guess);
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
    const std::vector<Point> points = shownSeries(model());
    const std::int64_t ticks = points.empty() ? 0 : points.back().tick;
    const Plot shown = this->plot();
    const QRect plot = shown.area;
    const ShareAxes axes = shareAxes(plot, points, shown.axis.top);

    // Grid and labels of both axes.
    paintValueGrid(painter, shown);
    const double xStep =
        tickStep(axes, metrics.horizontalAdvance(countText(axes.xMax, numbers())), line);
    std::vector<std::pair<double, QString>> tickLabels;
    for (int i = 0; i * xStep <= axes.xMax + 1e-9; ++i) {
        const double x = axes.xOf(i * xStep);
        painter.setPen(kChartGrid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        tickLabels.emplace_back(x, countText(i * xStep, numbers()));
    }
    drawAxisAcross(painter, plot, tickLabels, QStringLiteral("тегления"));
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
    for (std::size_t i = 1; i < stretches.size(); ++i) {
        const double x = axes.xOf(static_cast<double>(stretches[i].firstTick));
        painter.setPen(QPen(kChartText, 2, Qt::DotLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    if (lesson_.state().guess) {
        painter.setPen(QPen(kGuessColour, 3, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), axes.yOf(*lesson_.state().guess)),
                         QPointF(plot.right(), axes.yOf(*lesson_.state().guess)));
    }
    // The last runs before this one, faint behind it, each named by its inputs at its end.
    const auto pastRuns = model().statistics.pastRuns();
    for (const auto& past : pastRuns) {
        std::vector<Point> pastPoints(past.series.begin(), past.series.end());
        if (past.latest.tick > 0 &&
            (pastPoints.empty() || pastPoints.back().tick < past.latest.tick)) {
            pastPoints.push_back(past.latest);
        }
        const QPolygonF path = simplified(onePairPerColumn(measuredPath(axes, pastPoints)));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kPastRunColour, 1.5));
        painter.drawPolyline(path);
        if (!path.isEmpty()) {
            const QString label = pastRunLabel(past.inputs, numbers());
            const QPointF end = path.last();
            const int width = metrics.horizontalAdvance(label);
            painter.setPen(kPastRunColour);
            painter.drawText(QRectF(std::max<double>(plot.left(), end.x() - width - line / 4.0),
                                    end.y() - line, width, line),
                             Qt::AlignRight | Qt::AlignBottom, label);
        }
    }
    if (!points.empty()) {
        // Only the path needs smooth edges; the band and the level line cost less without.
        painter.setRenderHint(QPainter::Antialiasing);
        // A thick smooth stroke costs milliseconds for a wandering path; a one-pixel smooth
        // line is fast. Stamping it over a square of device pixels draws the same two-pixel
        // line, on a projector's doubled scale too, for a tenth of the time.
        painter.setPen(QPen(kMeasuredColour, 0));
        const double pixel = 1 / devicePixelRatioF();
        const int stamps = std::max(2, static_cast<int>(std::lround(2 * devicePixelRatioF())));
        for (const ShareStretch& stretch : stretches) {
            const QPolygonF simple =
                simplified(onePairPerColumn(measuredPath(axes, points, stretch)));
            for (int dx = 0; dx < stamps; ++dx) {
                for (int dy = 0; dy < stamps; ++dy) {
                    painter.drawPolyline(simple.translated(dx * pixel, dy * pixel));
                }
            }
        }
    }
    painter.restore();

    // The labels stand at the left, where the measured path has long left the level lines,
    // with no box behind them that could hide the path.
    const auto drawLevelLabel = [&](double level, const QString& label, const QColor& colour,
                                    double across) {
        if (const auto box = levelLabelBox(plot, axes.yOf(level), metrics.horizontalAdvance(label),
                                           line, across)) {
            painter.setPen(colour);
            painter.drawText(*box, Qt::AlignLeft | Qt::AlignVCenter, label);
        }
    };
    // After a change, the label stands where the current inputs' stretch begins.
    const double labelAcross =
        stretches.size() > 1
            ? (axes.xOf(static_cast<double>(stretches.back().firstTick)) - plot.left()) /
                  std::max(plot.width(), 1)
            : 0.0;
    if (expected) {
        drawLevelLabel(*expected,
                       QStringLiteral("очакван дял %1 %").arg(twoDecimals(*expected, numbers())),
                       kExpectedColour, labelAcross);
    } else if (lesson_.state().expectedShown) {
        drawPlaceholder(painter, plot,
                        QStringLiteral("Очакван дял: няма — с този брой елементи\n"
                                       "не може да се изтегли търсене."));
    }
    if (lesson_.state().guess) {
        drawLevelLabel(
            *lesson_.state().guess,
            QStringLiteral("прогноза %1 %").arg(twoDecimals(*lesson_.state().guess, numbers())),
            kGuessColour, expected ? 0.5 : 0);
    }
    if (ticks == 0 && (expected || !lesson_.state().expectedShown)) {
        drawPlaceholder(painter, plot.adjusted(0, plot.height() / 3, 0, 0),
                        QStringLiteral("Още няма тегления: натиснете „Изведи“ или „Една стъпка“."));
    }
}

}  // namespace ui
