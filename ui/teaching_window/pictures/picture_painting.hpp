// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// How the teaching window's pictures paint: fixed colours that read on a projector whatever
// the desktop's scheme, the grid and the axes' labels, the heading and the legend.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "ui/teaching_window/pictures/plot_geometry.hpp"

namespace ui {

inline const QColor kChartBackground{0xFF, 0xFF, 0xFF};
inline const QColor kChartText{0x20, 0x20, 0x20};
inline const QColor kChartGrid{0xD8, 0xD8, 0xD8};
inline const QColor kMeasuredColour{0x1F, 0x4E, 0x9A};
inline const QColor kExpectedColour{0x0B, 0x6E, 0x2E};
inline const QColor kBandColour{0x2E, 0xA0, 0x4F, 0x48};
inline const QColor kNormalColour{0x5B, 0x7F, 0xC4};
inline const QColor kOverloadColour{0xD0, 0x20, 0x20};

// Grid lines across the plot at every step from 0 to top, with the labelled values on its
// left.
void drawValueGrid(QPainter& painter, const QRect& plot, double top, double step,
                   const std::vector<double>& labelled,
                   const std::function<QString(double)>& label);

// The labels of the axis across under the plot, and its title at the right end of the same
// row; a label that would run into the title or into the label before is left out.
void drawAxisAcross(QPainter& painter, const QRect& plot,
                    const std::vector<std::pair<double, QString>>& labels, const QString& title);

// Starts a picture: background, font, and the focus frame when the widget has focus.
void beginPicture(QPainter& painter, const QWidget& widget);

struct LegendEntry {
    QColor colour;
    bool line;  // a line sample, else a filled box
    QString text;
};

// The picture's title and its legend along the top, where `layout` puts them.
void drawHeading(QPainter& painter, const HeadingLayout& layout,
                 const std::vector<LegendEntry>& legend);

// The text in the middle of the plot, for a picture that has nothing to show yet.
void drawPlaceholder(QPainter& painter, const QRect& plot, const QString& text);

}  // namespace ui
