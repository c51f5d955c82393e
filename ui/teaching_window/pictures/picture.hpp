// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "core/model.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/pictures/picture_painting.hpp"
#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {

// What the teaching window's pictures share: they read the model whenever they paint, paint
// every pixel themselves, take the focus so a keyboard user can reach their descriptions, and
// keep room for a heading, axis labels and a plot.
class Picture : public QWidget {
    Q_OBJECT

  public:
    // What a picture's value axis measures, which its labels say.
    enum class ValueUnit { Count, Percent };

    // Where the plot is at the picture's current size, with its value axis and the values its
    // labels show: what the picture paints.
    struct Plot {
        QRect area;
        ValueLabels labels;
        ValueUnit unit;
    };

    Picture(const core::Model& model, const QString& objectName, const QString& accessibleName,
            QString title, QWidget* parent);

    // What the picture shows, in words, for a screen reader.
    [[nodiscard]] virtual QString description() const = 0;

    [[nodiscard]] Plot plot() const;

    // The legend's entries for what the picture draws now, and only those.
    [[nodiscard]] virtual std::vector<LegendEntry> legend() const = 0;

    // How much of its height the picture needs besides its plot at a size.
    [[nodiscard]] int chromeHeight(QSize size) const;

    // The picture's text at a size: the window's, larger on a large screen.
    [[nodiscard]] QFont textFont(QSize size) const;

    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    // A picture's value axis on a plot `plotHeight` high with labels `line` high, and what it
    // measures.
    struct ValueScale {
        ValueAxis axis;
        ValueUnit unit;
    };
    [[nodiscard]] virtual ValueScale valueScale(int plotHeight, int line) const = 0;

    [[nodiscard]] const core::Model& model() const { return model_; }
    [[nodiscard]] const NumberFormat& numbers() const { return numbers_; }
    [[nodiscard]] HeadingLayout heading() const;
    // Paints the background, the focus frame, the title and the legend.
    void paintHeading(QPainter& painter) const;
    // Paints the grid lines of the plot's value axis and its labels.
    void paintValueGrid(QPainter& painter, const Plot& plot) const;

  private:
    [[nodiscard]] HeadingLayout headingAt(QSize size) const;
    [[nodiscard]] QString valueLabel(double value, ValueUnit unit) const;

    const core::Model& model_;
    NumberFormat numbers_;
    QString title_;
    // The heading is laid out anew only when its size, font or legend changes, not at every
    // repaint of a running chart.
    struct LaidOutHeading {
        QSize size;
        QFont font;
        QStringList legend;
        HeadingLayout layout;
    };
    mutable std::optional<LaidOutHeading> laidOutHeading_;
};

// Makes the pictures charts to assistive tools, named and described by their widgets. Once for
// the process, however often it is called; before the first picture is asked for its
// accessible interface.
void installPictureAccessibility();

}  // namespace ui
