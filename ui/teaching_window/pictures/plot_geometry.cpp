// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pictures/plot_geometry.hpp"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Breaks the title between words into lines no wider than `width`; a word wider than that
// stands alone on its line.
QStringList wrapped(const QFontMetrics& metrics, int width, const QString& text) {
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines.append(current);
            current = word;
        } else {
            current = candidate;
        }
    }
    if (!current.isEmpty()) {
        lines.append(current);
    }
    return lines;
}

}  // namespace

int legendEntryWidth(const QFontMetrics& metrics, const QString& text) {
    const int swatch = metrics.height();
    return swatch + swatch / 3 + metrics.horizontalAdvance(text) + swatch;
}

HeadingLayout headingLayout(const QFontMetrics& metrics, int width, const QString& title,
                            const QStringList& legend) {
    const int line = metrics.height();
    const int margin = line / 4;
    const int left = line / 2;
    const int room = std::max(width - left, 1);
    HeadingLayout layout;

    int legendWidth = 0;
    for (const QString& text : legend) {
        legendWidth += legendEntryWidth(metrics, text);
    }
    const int titleWidth = metrics.horizontalAdvance(title) + line;
    int x = left;
    int y = margin;
    if (titleWidth + legendWidth <= room) {
        layout.titleLines = QStringList{title};
        x += titleWidth;
    } else {
        layout.titleLines = wrapped(metrics, room, title);
        y += line * static_cast<int>(layout.titleLines.size());
    }
    for (const QString& text : legend) {
        const int entry = legendEntryWidth(metrics, text);
        if (x > left && x - left + entry - line > room) {
            x = left;
            y += line;
        }
        layout.legend.emplace_back(x, y);
        x += entry;
    }
    layout.height = (legend.isEmpty() && y > margin ? y : y + line) + margin;
    return layout;
}

int plotHeight(QSize size, int heading, int line) {
    return size.height() - pictureChrome(heading, line);
}

int pictureChrome(int heading, int line) {
    // A third of a line under the heading; below the plot a quarter line, the row of labels
    // of the axis across, and a quarter line.
    return heading + line / 3 + line / 4 + line + line / 4;
}

QRect plotArea(QSize size, int heading, int valueLabelWidth, int line) {
    return {valueLabelWidth + line, heading + line / 3,
            std::max(size.width() - valueLabelWidth - 2 * line, 1),
            std::max(plotHeight(size, heading, line), 1)};
}

double niceStep(double span, int divisions) {
    if (!(span > 0) || divisions <= 0) {
        return 1;
    }
    const double rough = span / divisions;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

double raisedToStep(double top, double step, double most) {
    return std::min(std::ceil(top / step - 1e-9) * step, most);
}

double shareTop(double top) {
    return raisedToStep(top, niceStep(std::min(top, 100.0), 5), 100);
}

int valueDivisions(int plotHeight, int line) {
    return std::clamp(line > 0 ? 3 * plotHeight / (4 * line) : 5, 1, 5);
}

double valueStep(double top, int plotHeight, int line) {
    double step = niceStep(top, valueDivisions(plotHeight, line));
    if (!(top > 0) || line <= 0) {
        return step;
    }
    while (top / step < 3 - 1e-9) {
        // 1, 2, 5 times a power of ten, one size down.
        const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        const double mantissa = step / power;
        const double smaller = mantissa > 4 ? 2 * power : mantissa > 1.5 ? power : power / 2;
        if (plotHeight * smaller / top < line) {
            break;
        }
        step = smaller;
    }
    return step;
}

ValueAxis valueAxis(double top, int plotHeight, int line, double most) {
    const double step = valueStep(top, plotHeight, line);
    if (!(top > 0) || !(step > 0)) {
        return {top, step};
    }
    return {raisedToStep(top, step, std::max(most, top)), step};
}

std::vector<double> labelledValues(const QRect& plot, double top, double step, int line) {
    std::vector<double> values;
    if (!(top > 0) || !(step > 0)) {
        return values;
    }
    double lastLabel = plot.bottom() + 2.0 * line;
    for (int i = 0; i * step <= top * (1 + 1e-9); ++i) {
        const double y = plot.bottom() - plot.height() * (i * step) / top;
        if (lastLabel - y >= line) {
            values.push_back(i * step);
            lastLabel = y;
        }
    }
    return values;
}

ValueLabels valueLabels(const QRect& plot, int line, const std::function<ValueAxis(int)>& axisFor) {
    ValueLabels labels;
    for (const double scale : kLabelScales) {
        const int scaledLine = std::max(1, static_cast<int>(std::lround(line * scale)));
        const ValueAxis axis = axisFor(scaledLine);
        labels = {axis, scale, labelledValues(plot, axis.top, axis.step, scaledLine)};
        if (labels.values.size() >= 3) {
            break;
        }
    }
    return labels;
}

namespace {

// The values `range` labels at `step`.
std::vector<double> acrossValues(const AcrossRange& range, double step) {
    std::vector<double> values{range.first};
    for (double value = (std::floor(range.first / step + 1e-9) + 1) * step;
         value <= range.last + 1e-9; value += step) {
        values.push_back(value);
    }
    return values;
}

// How many of `values`, from the first, carry a label at `scale`: those that end half a line
// before the title; none where two of them come closer than half a line.
std::size_t acrossLabelsFitting(const AcrossRange& range, const std::vector<double>& values,
                                const std::function<int(double)>& labelWidth, double titleLeft,
                                double line, double scale) {
    double lastRight = -1e300;
    std::size_t fitting = 0;
    for (const double value : values) {
        const double half = labelWidth(value) * scale / 2;
        const double centre = range.xOf(value);
        if (centre - half < lastRight + line * scale / 2) {
            return 0;
        }
        if (centre + half > titleLeft - line * scale / 2) {
            break;
        }
        lastRight = centre + half;
        ++fitting;
    }
    return fitting;
}

}  // namespace

AcrossAxis acrossAxis(const AcrossRange& range, const std::function<int(double)>& labelWidth,
                      int titleWidth, double right, int line, int most) {
    const double span = range.last - range.first;
    // A range has no more values than its whole numbers, at steps of one.
    const double wholes =
        std::max(0.0, std::floor(range.last + 1e-9) - std::floor(range.first + 1e-9));
    const std::size_t wanted = wholes >= 2 ? 3 : static_cast<std::size_t>(wholes) + 1;
    AcrossAxis axis;
    for (const double scale : kLabelScales) {
        const double titleLeft = right - titleWidth * scale;
        // The smallest step whose labels keep apart, up to the one that leaves the first value
        // alone.
        for (double step = std::max(1.0, niceStep(span, most));; step = niceStep(step * 1.5, 1)) {
            std::vector<double> values = acrossValues(range, step);
            const std::size_t fitting =
                acrossLabelsFitting(range, values, labelWidth, titleLeft, line, scale);
            if (fitting > 0 || values.size() == 1) {
                axis = {scale, std::move(values), fitting};
                break;
            }
        }
        if (axis.labelled >= wanted) {
            break;
        }
    }
    return axis;
}

double pictureTextScale(QSize size, int line) {
    if (line <= 0) {
        return 1;
    }
    const double wanted = std::min(size.width() / 75.0, size.height() / 12.0);
    return std::max(1.0, wanted / line);
}

}  // namespace ui
