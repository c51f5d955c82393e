// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/picture.hpp"

#include "ui/chart_painting.hpp"

namespace ui {

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
