// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/experiments/class_shares_chart.hpp"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/experiments/experiments_geometry.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

ClassSharesChart::ClassSharesChart(const core::Model& model, const Lesson& lesson, QWidget* parent)
    : Picture(model, QStringLiteral("SharePerClass"),
              QStringLiteral("Измерен дял на претоварванията във всеки клас"),
              QStringLiteral("Дял по класове,\u00A0%"), parent),
      lesson_(lesson) {
    setToolTip(bandExplanation());
    connect(&lesson_, &Lesson::changed, this, [this] { update(); });
}

void ClassSharesChart::setRun(const core::ClassesRun* run) {
    run_ = run;
    ++runNumber_;
    tally_.reset();
    if (run_ != nullptr) {
        tally_.emplace(run_->request());
    }
    update();
}

core::ClassesSummary ClassSharesChart::summary() const {
    tally_->follow(*run_);
    return tally_->summary();
}

double ClassSharesChart::top() const {
    const Shown drawn = shown();
    const std::optional<double> highest = run_ != nullptr ? summary().highestPercent : std::nullopt;
    // A top that shows the highest share shows them all.
    return sharesTop(highest ? std::span(&*highest, 1) : std::span<const double>(),
                     drawn.hasBand       ? std::optional(drawn.band.high)
                     : drawn.hasExpected ? std::optional(drawn.expected)
                                         : std::nullopt);
}

Picture::ValueScale ClassSharesChart::valueScale(int plotHeight, int line) const {
    return {valueAxis(top(), plotHeight, line, 100), ValueUnit::Percent};
}

ClassSharesChart::Shown ClassSharesChart::shown() const {
    Shown drawn;
    if (run_ == nullptr || !lesson_.state().expectedShown) {
        return drawn;
    }
    const core::ClassesSummary summary = this->summary();
    // Plain values with flags: the optionals' copies trip a false warning of GCC 12.
    drawn.hasBand = summary.band.has_value();
    drawn.band = drawn.hasBand ? *summary.band : core::ShareBand{0, 0};
    drawn.hasExpected = summary.expected.has_value();
    drawn.expected = drawn.hasExpected ? *summary.expected : 0;
    return drawn;
}

bool ClassSharesChart::Shown::outside(double share) const {
    return hasBand && !band.contains(share);
}

std::vector<LegendEntry> ClassSharesChart::legend() const {
    const Shown drawn = shown();
    const core::ClassesSummary counted = run_ != nullptr ? summary() : core::ClassesSummary{};
    // The classes out of the summary's band, the one the dots are coloured by where it shows.
    const int outside = drawn.hasBand ? counted.finished - counted.insideBand : 0;
    std::vector<LegendEntry> entries;
    if (counted.finished > outside) {
        entries.push_back({kMeasuredColour, LegendMark::Dot, QStringLiteral("клас")});
    }
    if (outside > 0) {
        entries.push_back({kOverloadColour, LegendMark::Dot, QStringLiteral("извън коридора")});
    }
    if (drawn.hasExpected) {
        entries.push_back({kExpectedColour, LegendMark::Line, QStringLiteral("очакван")});
    }
    if (drawn.hasBand) {
        entries.push_back({kBandColour, LegendMark::Box, QStringLiteral("коридор на 95\u00A0%")});
    }
    return entries;
}

QString ClassSharesChart::description() const {
    if (run_ == nullptr) {
        return QStringLiteral("Още няма класове.");
    }
    return classesSummaryText(summary(), run_->request(), numbers(), lesson_.state().expectedShown);
}

void ClassSharesChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintHeading(painter);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const Plot plotShown = this->plot();
    const QRect plot = plotShown.area;
    const double axisTop = plotShown.labels.axis.top;

    paintValueGrid(painter, plotShown);
    const int classes = run_ != nullptr ? run_->request().classes : 0;
    if (classes > 0) {
        // The first class, then every step of 1, 2 or 5 times a power of ten that fits, each
        // under the middle of its column.
        const AcrossRange range{.first = 1,
                                .last = static_cast<double>(classes),
                                .origin = static_cast<double>(plot.left()),
                                .unit = static_cast<double>(plot.width()) / classes,
                                .offset = -0.5};
        drawLabelledAxisAcross(
            painter, plot, range, [this](double number) { return countText(number, numbers()); },
            QStringLiteral("класове"), 10);
    } else {
        drawAxisAcross(painter, plot, {}, {}, {}, QStringLiteral("класове"));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (run_ == nullptr) {
        drawPlaceholder(painter, plot, QStringLiteral("Натиснете „Нови класове“."));
        return;
    }

    const Shown drawn = shown();
    const auto yOf = [&](double percent) {
        return plot.bottom() - plot.height() * percent / axisTop;
    };
    painter.save();
    painter.setClipRect(plot.adjusted(0, -1, 1, 1));
    if (drawn.hasBand) {
        painter.fillRect(QRectF(QPointF(plot.left(), yOf(drawn.band.high)),
                                QPointF(plot.right(), yOf(drawn.band.low))),
                         kBandColour);
    }
    if (drawn.hasExpected) {
        painter.setPen(QPen(kExpectedColour, 3));
        painter.drawLine(QPointF(plot.left(), yOf(drawn.expected)),
                         QPointF(plot.right(), yOf(drawn.expected)));
    }
    painter.restore();
    // Dots as wide as a column allows, between two pixels and half a line, as in the legend.
    const double column = static_cast<double>(plot.width()) / std::max(classes, 1);
    const DotsKey key{.run = runNumber_,
                      .area = plot.adjusted(0, -1, 1, 1),
                      .ratio = devicePixelRatioF(),
                      .classes = classes,
                      .axisTop = axisTop,
                      .radius = std::clamp(column / 3, 1.5, line / 4.0),
                      .hasBand = drawn.hasBand,
                      .band = drawn.band};
    painter.drawImage(key.area.topLeft(), dotsFor(key, run_->overloads(), drawn));
}

const QImage& ClassSharesChart::dotsFor(const DotsKey& key, std::span<const std::int64_t> overloads,
                                        const Shown& drawn) {
    if (key != dotsKey_ || overloads.size() < dotsDrawn_) {
        const QSize pixels = key.area.size() * key.ratio;
        // The same pixels cleared, rather than new ones, at every new run.
        if (dots_.size() != pixels) {
            dots_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        }
        dots_.setDevicePixelRatio(key.ratio);
        dots_.fill(Qt::transparent);
        dotsKey_ = key;
        dotsDrawn_ = 0;
    }
    QPainter painter(&dots_);
    painter.translate(-key.area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRect plot = key.area.adjusted(0, 1, -1, -1);
    const std::int64_t draws = run_->request().drawsPerClass;
    for (std::size_t i = dotsDrawn_; i < overloads.size(); ++i) {
        const double share = core::classSharePercent(overloads[i], draws);
        painter.setBrush(drawn.outside(share) ? kOverloadColour : kMeasuredColour);
        painter.drawEllipse(classDot(plot, static_cast<int>(i), key.classes, share, key.axisTop),
                            key.radius, key.radius);
    }
    dotsDrawn_ = overloads.size();
    return dots_;
}

}  // namespace ui
