// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// How the teaching window's pictures paint: fixed colours that read on a projector whatever
// the desktop's scheme, the grid and the axes' labels, the heading and the legend.

#include <QColor>
#include <QFont>
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

// `font` at `scale` times its size.
QFont scaledFont(const QFont& font, double scale);

// Grid lines across the plot at every step of `labels`' axis, with its labelled values on the
// plot's left at their size.
void drawValueGrid(QPainter& painter, const QRect& plot, const ValueLabels& labels,
                   const std::function<QString(double)>& label);

// A tick under the plot at each of `axis`'s values, the labels of those it labels, and the
// axis's title at the right end of the same row, at the axis's size.
void drawAxisAcross(QPainter& painter, const QRect& plot, const AcrossRange& range,
                    const AcrossAxis& axis, const std::function<QString(double)>& label,
                    const QString& title);

// The axis across as acrossAxis lays it out for the painter's font: at most `most` labels,
// each `label` of its value, and the title at the right end.
void drawLabelledAxisAcross(QPainter& painter, const QRect& plot, const AcrossRange& range,
                            const std::function<QString(double)>& label, const QString& title,
                            int most);

// `text` in `box` on one line, at the size that makes a line as high as the box where the
// picture's lines are `line` high.
void drawLabel(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment align,
               int line);

// Starts a picture: background, its font, and the focus frame when the widget has focus.
void beginPicture(QPainter& painter, const QWidget& widget, const QFont& font);

// What a legend entry shows of the mark it names, drawn as the picture draws that mark.
enum class LegendMark {
    Line,
    DashedLine,
    // A thin line through dots, as a curve of points.
    DottedLine,
    Box,
    Dot,
    Ring,
};

struct LegendEntry {
    QColor colour;
    LegendMark mark;
    QString text;
    // The pen of a line or a ring.
    double width = 3;
};

// The picture's title and its legend along the top, where `layout` puts them.
void drawHeading(QPainter& painter, const HeadingLayout& layout,
                 const std::vector<LegendEntry>& legend);

// The text in the middle of the plot, for a picture that has nothing to show yet.
void drawPlaceholder(QPainter& painter, const QRect& plot, const QString& text);

}  // namespace ui
