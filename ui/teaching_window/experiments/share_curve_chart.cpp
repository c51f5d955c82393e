// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/experiments/share_curve_chart.hpp"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>
#include <utility>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/share_curve.hpp"
#include "runtime/number_from_text.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/experiments/experiments_geometry.hpp"
#include "ui/teaching_window/pictures/label_placement.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"

namespace ui {
namespace {

constexpr double kLastPercent = 99;

// The overselling percentage the boxes hold, where the curve has it: the overselling case
// with a percentage from 0 to 99; the safety case is the curve's 0 %.
std::optional<double> currentPercent(const core::Model& model) {
    if (!core::isOverselling(model)) {
        return 0.0;
    }
    const double percent = runtime::numberFromText(model.text(core::Text2(0)));
    if (!(percent >= 0 && percent <= 99)) {
        return std::nullopt;
    }
    return percent;
}

}  // namespace

ShareCurveChart::ShareCurveChart(const core::Model& model, const Lesson& lesson, QWidget* parent)
    : Picture(model, QStringLiteral("ShareAgainstOverselling"),
              QStringLiteral("Очакван дял на претоварванията спрямо процента надпродажба"),
              QStringLiteral("Очакван дял,\u00A0%"), parent),
      lesson_(lesson) {
    // Tooltips for every point, wherever the pointer rests.
    setMouseTracking(true);
    connect(&lesson_, &Lesson::changed, this, [this] { update(); });
}

const std::vector<std::optional<double>>& ShareCurveChart::curve() const {
    const double capacity = core::capacity(model());
    if (curveCapacity_ != capacity &&
        !(std::isnan(capacity) && curveCapacity_ && std::isnan(*curveCapacity_))) {
        curve_ = core::shareAgainstOverselling(capacity);
        curveCapacity_ = capacity;
    }
    return curve_;
}

double ShareCurveChart::top() const {
    std::vector<double> values;
    for (const auto& value : curve()) {
        if (value) {
            values.push_back(*value);
        }
    }
    return sharesTop(values, std::nullopt);
}

Picture::ValueScale ShareCurveChart::valueScale(int plotHeight, int line) const {
    return {valueAxis(top(), plotHeight, line, 100), ValueUnit::Percent};
}

std::optional<QPointF> ShareCurveChart::now() const {
    const auto percent = currentPercent(model());
    const auto share = core::expectedSharePercent(model());
    if (!percent || !share) {
        return std::nullopt;
    }
    return QPointF(*percent, *share);
}

std::vector<LegendEntry> ShareCurveChart::legend() const {
    if (!lesson_.state().expectedShown) {
        return {};
    }
    std::vector<LegendEntry> entries{
        {kExpectedColour, LegendMark::DottedLine, QStringLiteral("очакван дял"), 1}};
    if (now()) {
        entries.push_back(
            {kOverloadColour, LegendMark::Ring, QStringLiteral("сегашните стойности")});
    }
    return entries;
}

QString ShareCurveChart::description() const {
    if (!lesson_.state().expectedShown) {
        return QStringLiteral("Кривата е скрита, докато е скрит очакваният дял.");
    }
    const auto& values = curve();
    const auto text = [this, &values](int percent) {
        const auto& value = values.at(static_cast<std::size_t>(percent));
        return value ? twoDecimals(*value, numbers()) + QStringLiteral(" %")
                     : QStringLiteral("няма");
    };
    QString description = QStringLiteral(
                              "При брой елементи %1: без надпродажба %2, при 10 % надпродажба "
                              "%3, при 50 % %4, при 99 % %5.")
                              .arg(countText(core::capacity(model()), numbers()), text(0), text(10),
                                   text(50), text(99));
    if (const auto now = core::expectedSharePercent(model())) {
        description += QStringLiteral(" Сега: %1 %.").arg(twoDecimals(*now, numbers()));
    }
    return description;
}

bool ShareCurveChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const auto percent = nearestPercent(plot().area, help->pos().x());
        const auto& values = curve();
        if (!lesson_.state().expectedShown || !percent) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const auto& value = values.at(static_cast<std::size_t>(*percent));
        QToolTip::showText(help->globalPos(),
                           QStringLiteral("Надпродажба %1 %: очакван дял %2")
                               .arg(QString::number(*percent),
                                    value ? twoDecimals(*value, numbers()) + QStringLiteral(" %")
                                          : QStringLiteral("няма")),
                           this);
        return true;
    }
    return Picture::event(event);
}

void ShareCurveChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintHeading(painter);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const Plot shown = this->plot();
    const QRect plot = shown.area;
    const double axisTop = shown.labels.axis.top;

    paintValueGrid(painter, shown);
    const AcrossRange range{.first = 0,
                            .last = kLastPercent,
                            .origin = static_cast<double>(plot.left()),
                            .unit = plot.width() / kLastPercent};
    drawLabelledAxisAcross(
        painter, plot, range, [](double percent) { return QString::number(percent); },
        QStringLiteral("надпродажба,\u00A0%"), 5);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (!lesson_.state().expectedShown) {
        drawPlaceholder(painter, plot,
                        QStringLiteral("Скрита, докато е скрит очакваният дял (F7)."));
        return;
    }

    painter.save();
    painter.setClipRect(plot.adjusted(-line, -line, line, 1));
    painter.setRenderHint(QPainter::Antialiasing);
    const auto& values = curve();
    // A thin line through the points, which stay visible where it jumps.
    QPolygonF path;
    for (std::size_t percent = 0; percent < values.size(); ++percent) {
        if (values[percent]) {
            path << curvePoint(plot, static_cast<double>(percent), *values[percent], axisTop);
        }
    }
    painter.setPen(QPen(kExpectedColour, 1));
    painter.drawPolyline(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kExpectedColour);
    const double radius = std::clamp(plot.width() / 300.0, 1.5, line / 6.0);
    for (const QPointF& point : path) {
        painter.drawEllipse(point, radius, radius);
    }
    if (const auto current = now()) {
        const QPointF mark = curvePoint(plot, current->x(), current->y(), axisTop);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kOverloadColour, 3));
        painter.drawEllipse(mark, line / 3.0, line / 3.0);
        const QRectF ring = currentRing(mark, line);
        const QString label = twoDecimals(current->y(), numbers()) + QStringLiteral("\u00A0%");
        const int width = metrics.horizontalAdvance(label);
        // Beside the mark, off the ring and the curve where there is room, inside the plot.
        const auto placed =
            placeLabels(QRectF(plot),
                        {shrinking(width, line,
                                   [&](int labelWidth, int textLine) {
                                       return currentLabelBoxes(mark, labelWidth, textLine);
                                   })},
                        std::span(&ring, 1), std::span(&path, 1));
        if (placed.front()) {
            painter.setPen(kOverloadColour);
            drawLabel(painter, *placed.front(), label, Qt::AlignLeft, line);
        }
    }
    painter.restore();
}

}  // namespace ui
