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
#include <array>
#include <functional>
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

// The sizes an axis's labels may shrink to, largest first, so that the axis keeps three
// labels on a small plot; half size still reads on a projector's doubled scale.
inline constexpr std::array<double, 6> kLabelScales{1.0, 0.9, 0.8, 0.7, 0.6, 0.5};

// A value axis with its labels at the largest of kLabelScales that labels three values, or
// at the smallest; `axisFor` makes the axis for labels a given number of pixels high.
struct ValueLabels {
    ValueAxis axis;
    double textScale = 1;
    std::vector<double> values;
};
ValueLabels valueLabels(const QRect& plot, int line, const std::function<ValueAxis(int)>& axisFor);

// The values of an axis across: `first`, then every whole step above it up to `last`; value
// v's label is centred at origin + (v + offset) * unit.
struct AcrossRange {
    double first = 0;
    double last = 0;
    double origin = 0;
    double unit = 1;
    double offset = 0;

    [[nodiscard]] double xOf(double value) const { return origin + (value + offset) * unit; }
};
// The ticks of an axis across, the first `labelled` of them with a label, and the size of the
// labels' text.
struct AcrossAxis {
    double textScale = 1;
    std::vector<double> values;
    std::size_t labelled = 0;
};
// The ticks at the smallest whole step of 1, 2 or 5 times a power of ten, at most about `most`,
// whose labels (`labelWidth` wide at full size) keep half a line apart; those that would not end
// half a line before the axis's title, `titleWidth` wide at the right end `right` of the row,
// go without a label. At the largest of kLabelScales where that labels three values, or as
// many as the range has.
AcrossAxis acrossAxis(const AcrossRange& range, const std::function<int(double)>& labelWidth,
                      int titleWidth, double right, int line, int most);

// How much larger than the window's text a picture `size` large writes, so that it reads
// from the back of a classroom on a large screen: a line is a seventy-fifth of the width and
// at most a twelfth of the height, never smaller than `line`, the window's.
double pictureTextScale(QSize size, int line);

}  // namespace ui
