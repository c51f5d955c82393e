// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QWidget>

#include "core/model.hpp"

namespace ui {

// What the teaching window's pictures share: they read the model whenever they paint, paint
// every pixel themselves, take the focus so a keyboard user can reach their descriptions, and
// keep room for a heading, axis labels and a plot.
class Picture : public QWidget {
  public:
    Picture(const core::Model& model, const QString& objectName, const QString& accessibleName,
            QWidget* parent);

    // What the picture shows, in words, for a screen reader.
    [[nodiscard]] virtual QString description() const = 0;

    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    [[nodiscard]] const core::Model& model() const { return model_; }

  private:
    const core::Model& model_;
};

// Makes the pictures charts to assistive tools, named and described by their widgets. Once for
// the process, however often it is called; before the first picture is asked for its
// accessible interface.
void installPictureAccessibility();

}  // namespace ui
