// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// What the two pictures of the teaching window share: fixed colours that read on a projector
// whatever the desktop's scheme, the grid steps and the legend.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>

namespace ui {

inline const QColor kChartBackground{0xFF, 0xFF, 0xFF};
inline const QColor kChartText{0x20, 0x20, 0x20};
inline const QColor kChartGrid{0xD8, 0xD8, 0xD8};
inline const QColor kMeasuredColour{0x1F, 0x4E, 0x9A};
inline const QColor kExpectedColour{0x0B, 0x6E, 0x2E};
inline const QColor kBandColour{0x2E, 0xA0, 0x4F, 0x48};
inline const QColor kNormalColour{0x5B, 0x7F, 0xC4};
inline const QColor kOverloadColour{0xD0, 0x20, 0x20};

// A step of 1, 2 or 5 times a power of ten that cuts [0, span] into about `divisions` parts.
double niceStep(double span, int divisions);

// How many grid steps fit `pixels` when each needs `perStep`: at least one, at most `most`.
int stepsFitting(int pixels, int perStep, int most);

// The smallest height that leaves a picture room for its heading, its axis labels and a plot.
int pictureMinimumHeight(const QWidget& widget);

// Grid lines across the plot at every step from 0 to top, with their values on its left
// where they do not overlap, the lowest first.
void drawValueGrid(QPainter& painter, const QRect& plot, double top, double step,
                   const std::function<QString(double)>& label);

// Starts a picture: background, font, and the focus frame when the widget has focus.
void beginPicture(QPainter& painter, const QWidget& widget);

struct LegendEntry {
    QColor colour;
    bool line;  // a line sample, else a filled box
    QString text;
};

// The picture's title and its legend along the top, on one line where the width allows and
// the legend on a second line where it does not. Returns the height they take.
int drawHeading(QPainter& painter, int width, const QString& title,
                std::initializer_list<LegendEntry> legend);

// The text in the middle of the plot, for a picture that has nothing to show yet.
void drawPlaceholder(QPainter& painter, const QRect& plot, const QString& text);

}  // namespace ui
