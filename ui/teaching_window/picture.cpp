// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/picture.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <utility>

#include "ui/teaching_window/picture_painting.hpp"

namespace ui {
namespace {

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::ShareChart") ||
        className == QLatin1String("ui::DemandHistogram")) {
        return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Chart);
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
    : QWidget(parent), model_(model), title_(std::move(title)), legend_(std::move(legend)) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

}  // namespace ui
