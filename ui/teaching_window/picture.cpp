// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/picture.hpp"

#include <QAccessible>
#include <QAccessibleWidget>

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
                 QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Picture::minimumSizeHint() const {
    return {280, pictureMinimumHeight(*this)};
}

}  // namespace ui
