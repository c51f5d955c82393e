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
                 QString title, std::vector<LegendEntry> legend, QWidget* parent)
    : QWidget(parent),
      model_(model),
      numbers_(NumberFormat::of(model)),
      title_(std::move(title)),
      legend_(std::move(legend)) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Picture::Plot Picture::plot() const {
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const int headingHeight = heading().height;
    const ValueScale scale = valueScale(plotHeight(size(), headingHeight, line), line);
    // Percentages leave room for the widest they can reach, so the plot keeps its place as
    // the axis grows; counts for the top one.
    const double widest = scale.unit == ValueUnit::Percent ? 100 : scale.axis.top;
    const QRect area = plotArea(size(), headingHeight,
                                metrics.horizontalAdvance(valueLabel(widest, scale.unit)), line);
    return {area, scale.axis, scale.unit,
            labelledValues(area, scale.axis.top, scale.axis.step, line)};
}

HeadingLayout Picture::headingAt(int width) const {
    QStringList texts;
    for (const LegendEntry& entry : legend_) {
        texts.append(entry.text);
    }
    return headingLayout(fontMetrics(), width, title_, texts);
}

HeadingLayout Picture::heading() const {
    return headingAt(width());
}

int Picture::chromeHeight(int width) const {
    return pictureChrome(headingAt(width).height, fontMetrics().height());
}

QSize Picture::minimumSizeHint() const {
    // A plot of two lines at least, under the heading at its narrowest.
    constexpr int kNarrowest = 200;
    return {kNarrowest, chromeHeight(kNarrowest) + 2 * fontMetrics().height()};
}

void Picture::paintHeading(QPainter& painter) const {
    beginPicture(painter, *this);
    drawHeading(painter, heading(), legend_);
}

void Picture::paintValueGrid(QPainter& painter, const Plot& plot) const {
    drawValueGrid(painter, plot.area, plot.axis.top, plot.axis.step, plot.labelledValues,
                  [this, unit = plot.unit](double value) { return valueLabel(value, unit); });
}

QString Picture::valueLabel(double value, ValueUnit unit) const {
    if (unit == ValueUnit::Percent) {
        return plainNumber(value, numbers_) + QStringLiteral(" %");
    }
    return countText(value, numbers_);
}

}  // namespace ui
