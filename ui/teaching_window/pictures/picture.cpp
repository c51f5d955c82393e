// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pictures/picture.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <utility>

#include "ui/teaching_window/pictures/picture_painting.hpp"

namespace ui {
namespace {

QAccessibleInterface* pictureAccessible(const QString& /*className*/, QObject* object) {
    if (auto* picture = qobject_cast<Picture*>(object)) {
        return new QAccessibleWidget(picture, QAccessible::Chart);
    }
    return nullptr;
}

}  // namespace

void installPictureAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

Picture::Picture(const core::Model& model, const QString& objectName, const QString& accessibleName,
                 QString title, QWidget* parent)
    : QWidget(parent), model_(model), numbers_(NumberFormat::of(model)), title_(std::move(title)) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Picture::Plot Picture::plot() const {
    const QFontMetrics metrics(textFont(size()));
    const int line = metrics.height();
    const int headingHeight = heading().height;
    const int height = plotHeight(size(), headingHeight, line);
    const ValueScale scale = valueScale(height, line);
    // Percentages leave room for the widest they can reach, so the plot keeps its place as
    // the axis grows; counts for the top one.
    const double widest = scale.unit == ValueUnit::Percent ? 100 : scale.axis.top;
    const QRect area = plotArea(size(), headingHeight,
                                metrics.horizontalAdvance(valueLabel(widest, scale.unit)), line);
    return {
        area,
        valueLabels(area, line,
                    [this, height](int labelLine) { return valueScale(height, labelLine).axis; }),
        scale.unit};
}

QFont Picture::textFont(QSize size) const {
    return scaledFont(font(), pictureTextScale(size, fontMetrics().height()));
}

HeadingLayout Picture::headingAt(QSize size) const {
    QStringList texts;
    for (const LegendEntry& entry : legend()) {
        texts.append(entry.text);
    }
    const QFont font = textFont(size);
    if (!laidOutHeading_ || laidOutHeading_->size != size || laidOutHeading_->font != font ||
        laidOutHeading_->legend != texts) {
        laidOutHeading_ = LaidOutHeading{
            size, font, texts, headingLayout(QFontMetrics(font), size.width(), title_, texts)};
    }
    return laidOutHeading_->layout;
}

HeadingLayout Picture::heading() const {
    return headingAt(size());
}

int Picture::chromeHeight(QSize size) const {
    return pictureChrome(headingAt(size).height, QFontMetrics(textFont(size)).height());
}

QSize Picture::minimumSizeHint() const {
    // A plot of two lines at least, under the heading at its narrowest.
    constexpr int kNarrowest = 200;
    return {kNarrowest, chromeHeight({kNarrowest, 0}) + 2 * fontMetrics().height()};
}

void Picture::paintHeading(QPainter& painter) const {
    beginPicture(painter, *this, textFont(size()));
    drawHeading(painter, heading(), legend());
}

void Picture::paintValueGrid(QPainter& painter, const Plot& plot) const {
    drawValueGrid(painter, plot.area, plot.labels,
                  [this, unit = plot.unit](double value) { return valueLabel(value, unit); });
}

QString Picture::valueLabel(double value, ValueUnit unit) const {
    if (unit == ValueUnit::Percent) {
        return plainNumber(value, numbers_) + QStringLiteral("\u00A0%");
    }
    return countText(value, numbers_);
}

}  // namespace ui
