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

int stepsFitting(int pixels, int perStep, int most) {
    return perStep <= 0 ? most : std::clamp(pixels / perStep, 1, most);
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

std::vector<bool> acrossLabelsShown(const std::vector<AcrossLabel>& labels, double right,
                                    int line) {
    std::vector<bool> shown;
    shown.reserve(labels.size());
    double lastRight = -1e9;
    for (const AcrossLabel& label : labels) {
        const double left = label.centre - label.width / 2.0;
        const double end = label.centre + label.width / 2.0;
        const bool fits = end <= right - line / 4.0 && left >= lastRight + line / 2.0;
        shown.push_back(fits);
        if (fits) {
            lastRight = end;
        }
    }
    return shown;
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

}  // namespace ui
