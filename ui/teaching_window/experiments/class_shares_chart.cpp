// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/experiments/class_shares_chart.hpp"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "core/measured_share.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/experiments/experiments_geometry.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

ClassSharesChart::ClassSharesChart(const core::Model& model, const Lesson& lesson, QWidget* parent)
    : Picture(model, QStringLiteral("SharePerClass"),
              QStringLiteral("Измерен дял на претоварванията във всеки клас"),
              QStringLiteral("Дял по класове, %"),
              {{kMeasuredColour, false, QStringLiteral("клас")},
               {kExpectedColour, true, QStringLiteral("очакван")},
               {kBandColour, false, QStringLiteral("коридор на 95 %")}},
              parent),
      lesson_(lesson) {
    setToolTip(bandExplanation());
    connect(&lesson_, &Lesson::changed, this, [this] { update(); });
}

void ClassSharesChart::setRun(const core::ClassesRun* run) {
    run_ = run;
    update();
}

std::vector<double> ClassSharesChart::shares() const {
    std::vector<double> result;
    if (run_ == nullptr) {
        return result;
    }
    const auto overloads = run_->overloads();
    result.reserve(overloads.size());
    for (const std::int64_t count : overloads) {
        result.push_back(
            core::measuredSharePercent(count, run_->request().drawsPerClass).value_or(0));
    }
    return result;
}

double ClassSharesChart::top() const {
    const std::vector<double> values = shares();
    const auto summary = run_ != nullptr ? std::optional(core::summarize(*run_)) : std::nullopt;
    std::optional<double> high;
    if (!lesson_.state().expectedShown) {
        high.reset();
    } else if (summary && summary->band) {
        high = summary->band->high;
    } else if (summary && summary->expected) {
        high = summary->expected;
    }
    return sharesTop(values, high);
}

Picture::ValueScale ClassSharesChart::valueScale(int plotHeight, int line) const {
    return {valueAxis(top(), plotHeight, line, 100), ValueUnit::Percent};
}

QString ClassSharesChart::description() const {
    if (run_ == nullptr) {
        return QStringLiteral("Още няма класове.");
    }
    const core::ClassesSummary summary = core::summarize(*run_);
    return classesSummaryText(summary, run_->request(), numbers(), lesson_.state().expectedShown);
}

void ClassSharesChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintHeading(painter);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const Plot shown = this->plot();
    const QRect plot = shown.area;
    const double axisTop = shown.axis.top;

    paintValueGrid(painter, shown);
    const int classes = run_ != nullptr ? run_->request().classes : 0;
    std::vector<std::pair<double, QString>> across;
    if (classes > 0) {
        // The first class, then every step of 1, 2 or 5 times a power of ten that fits.
        across.emplace_back(classDot(plot, 0, classes, 0, axisTop).x(), QStringLiteral("1"));
        const int labelWidth = metrics.horizontalAdvance(countText(classes, numbers()));
        const auto step = static_cast<int>(std::max(
            1.0, niceStep(classes, stepsFitting(plot.width(), labelWidth + 2 * line, 10))));
        for (int number = std::max(step, 2); number <= classes; number += step) {
            across.emplace_back(classDot(plot, number - 1, classes, 0, axisTop).x(),
                                countText(number, numbers()));
        }
    }
    drawAxisAcross(painter, plot, across, QStringLiteral("класове"));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (run_ == nullptr) {
        drawPlaceholder(painter, plot, QStringLiteral("Натиснете „Нови класове“."));
        return;
    }

    const core::ClassesSummary summary = core::summarize(*run_);
    // Plain values with flags: the optionals' copies trip a false warning of GCC 12.
    const bool hasBand = lesson_.state().expectedShown && summary.band.has_value();
    const core::ShareBand band = hasBand ? *summary.band : core::ShareBand{0, 0};
    const bool hasExpected = lesson_.state().expectedShown && summary.expected.has_value();
    const double expected = hasExpected ? *summary.expected : 0;
    const auto yOf = [&](double percent) {
        return plot.bottom() - plot.height() * percent / axisTop;
    };
    painter.save();
    painter.setClipRect(plot.adjusted(0, -1, 1, 1));
    if (hasBand) {
        painter.fillRect(
            QRectF(QPointF(plot.left(), yOf(band.high)), QPointF(plot.right(), yOf(band.low))),
            kBandColour);
    }
    if (hasExpected) {
        painter.setPen(QPen(kExpectedColour, 3));
        painter.drawLine(QPointF(plot.left(), yOf(expected)), QPointF(plot.right(), yOf(expected)));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Dots as wide as a column allows, between two pixels and a third of a line.
    const double column = static_cast<double>(plot.width()) / std::max(classes, 1);
    const double radius = std::clamp(column / 3, 1.5, line / 6.0);
    const std::vector<double> values = shares();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const bool inside = hasBand && values[i] >= band.low && values[i] <= band.high;
        painter.setBrush(inside || !hasBand ? kMeasuredColour : kOverloadColour);
        painter.drawEllipse(classDot(plot, static_cast<int>(i), classes, values[i], axisTop),
                            radius, radius);
    }
    painter.restore();
}

}  // namespace ui
