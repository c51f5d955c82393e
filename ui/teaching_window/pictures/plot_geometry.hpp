// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Where a picture puts its heading, its plot and its value labels, and the steps of its axes,
// apart from the painting: the window arranges its pictures by these sizes, and each picture
// paints where they say.

#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace ui {

// The title on as many lines as the width needs, then the legend's entries left to right,
// wrapping; on one line with the title where all fits.
struct HeadingLayout {
    QStringList titleLines;
    // The top left of each entry's swatch and text, in order.
    std::vector<QPoint> legend;
    int height = 0;
};
HeadingLayout headingLayout(const QFontMetrics& metrics, int width, const QString& title,
                            const QStringList& legend);
// The width of one legend entry: its swatch, a gap, its text and the room before the next.
int legendEntryWidth(const QFontMetrics& metrics, const QString& text);

// The plot of a picture `size` large under a heading `heading` high, right of value labels
// `valueLabelWidth` wide, above the other axis's labels and its title.
QRect plotArea(QSize size, int heading, int valueLabelWidth, int line);
// How high the plot is, which the value labels do not change.
int plotHeight(QSize size, int heading, int line);
// How much of a picture's height is not plot: heading, gaps and the row of labels and title
// of the axis across.
int pictureChrome(int heading, int line);

// A step of 1, 2 or 5 times a power of ten that cuts [0, span] into about `divisions` parts.
double niceStep(double span, int divisions);

// How many grid steps fit `pixels` when each needs `perStep`: at least one, at most `most`.
int stepsFitting(int pixels, int perStep, int most);

// `top` raised to a whole `step`, never above `most`; a top a rounding error above a whole
// step stays there.
double raisedToStep(double top, double step, double most);

// The top of a share axis for values up to `top`: raised to a whole step of about a fifth of
// it, never above 100 %.
double shareTop(double top);

// How many value steps to aim for on a plot `plotHeight` high: one label per line and a third
// at most, five at most, at least one.
int valueDivisions(int plotHeight, int line);

// A step of 1, 2 or 5 times a power of ten for a value axis from 0 to `top` on a plot
// `plotHeight` high: about valueDivisions steps, and at least three where their labels still
// keep a line apart, so that a value can be read off.
double valueStep(double top, int plotHeight, int line);

// A label of the axis across, centred under its grid line.
struct AcrossLabel {
    double centre;
    int width;
};
// Which of the labels of the axis across are shown: those that end a quarter line before
// `right`, where the axis's title begins on the same row, and do not run into the one before.
std::vector<bool> acrossLabelsShown(const std::vector<AcrossLabel>& labels, double right, int line);

// A value axis: its step from valueStep, and its top raised to a whole step so that the top
// is labelled too, never above `most`.
struct ValueAxis {
    double top;
    double step;
};
ValueAxis valueAxis(double top, int plotHeight, int line, double most);

// The values labelled on a value axis from 0 to `top` in steps of `step`, the lowest first:
// every step whose label keeps a line's distance from the one below it.
std::vector<double> labelledValues(const QRect& plot, double top, double step, int line);

}  // namespace ui
