// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QWidget>
#include <vector>

#include "core/model.hpp"
#include "ui/teaching_window/picture_frame.hpp"
#include "ui/teaching_window/picture_painting.hpp"

namespace ui {

// What the teaching window's pictures share: they read the model whenever they paint, paint
// every pixel themselves, take the focus so a keyboard user can reach their descriptions, and
// keep room for a heading, axis labels and a plot.
class Picture : public QWidget {
  public:
    // Where the plot is and which values its axis labels, at the picture's current size.
    struct Frame {
        QRect plot;
        std::vector<double> labelledValues;
    };

    Picture(const core::Model& model, const QString& objectName, const QString& accessibleName,
            QString title, std::vector<LegendEntry> legend, QWidget* parent);

    // What the picture shows, in words, for a screen reader.
    [[nodiscard]] virtual QString description() const = 0;
    [[nodiscard]] virtual Frame frame() const = 0;

    // How much of its height the picture needs besides its plot at a width.
    [[nodiscard]] int chromeHeight(int width) const;

    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    [[nodiscard]] const core::Model& model() const { return model_; }
    [[nodiscard]] HeadingLayout heading() const;
    // Paints the background, the focus frame, the title and the legend.
    void paintHeading(QPainter& painter) const;

  private:
    [[nodiscard]] HeadingLayout headingAt(int width) const;

    const core::Model& model_;
    QString title_;
    std::vector<LegendEntry> legend_;
};

// Makes the pictures charts to assistive tools, named and described by their widgets. Once for
// the process, however often it is called; before the first picture is asked for its
// accessible interface.
void installPictureAccessibility();

}  // namespace ui
