// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/picture_painting.hpp"

#include <QStyleOptionFocusRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

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

int pictureMinimumHeight(const QWidget& widget) {
    // Two lines of heading, two and a half of labels below, and a plot of two lines: on a
    // projector at twice the scale of a 1024 x 768 screen the window still fits.
    return widget.fontMetrics().height() * 13 / 2;
}

void drawValueGrid(QPainter& painter, const QRect& plot, double top, double step,
                   const std::function<QString(double)>& label) {
    const int line = painter.fontMetrics().height();
    double lastLabel = plot.bottom() + 2.0 * line;
    for (int i = 0; i * step <= top * (1 + 1e-9); ++i) {
        const double y = plot.bottom() - plot.height() * (i * step) / top;
        painter.setPen(kChartGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (lastLabel - y >= line) {
            painter.setPen(kChartText);
            painter.drawText(QRectF(0, y - line, plot.left() - line / 3.0, 2 * line),
                             Qt::AlignRight | Qt::AlignVCenter, label(i * step));
            lastLabel = y;
        }
    }
    painter.setPen(kChartText);
}

void beginPicture(QPainter& painter, const QWidget& widget) {
    painter.fillRect(widget.rect(), kChartBackground);
    if (widget.hasFocus()) {
        // A frame as wide as a thin pen on a projector, in the palette's highlight.
        painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 3));
        painter.drawRect(widget.rect().adjusted(1, 1, -2, -2));
    }
    painter.setFont(widget.font());
    painter.setPen(kChartText);
}

int drawHeading(QPainter& painter, int width, const QString& title,
                std::initializer_list<LegendEntry> legend) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const int swatch = line;
    const auto entryWidth = [&](const LegendEntry& entry) {
        return swatch + swatch / 3 + metrics.horizontalAdvance(entry.text) + swatch;
    };
    int legendWidth = 0;
    for (const LegendEntry& entry : legend) {
        legendWidth += entryWidth(entry);
    }
    const int titleWidth = metrics.horizontalAdvance(title) + line;
    const bool oneLine = line / 2 + titleWidth + legendWidth <= width;
    const int margin = line / 4;

    painter.setPen(kChartText);
    painter.drawText(line / 2, margin + metrics.ascent(), title);
    int left = oneLine ? line / 2 + titleWidth : line / 2;
    const int top = oneLine ? margin : margin + line;
    for (const LegendEntry& entry : legend) {
        const int middle = top + line / 2;
        if (entry.line) {
            painter.setPen(QPen(entry.colour, 3));
            painter.drawLine(left, middle, left + swatch, middle);
        } else {
            painter.fillRect(QRect(left, middle - swatch / 3, swatch, 2 * swatch / 3),
                             entry.colour);
        }
        painter.setPen(kChartText);
        painter.drawText(left + swatch + swatch / 3, top + metrics.ascent(), entry.text);
        left += entryWidth(entry);
    }
    return top + line + margin;
}

void drawPlaceholder(QPainter& painter, const QRect& plot, const QString& text) {
    const QRect needed =
        painter.fontMetrics().boundingRect(plot, Qt::AlignCenter | Qt::TextWordWrap, text);
    if (needed.height() > plot.height()) {
        return;  // the summary above says the same
    }
    painter.setPen(kChartText);
    painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace ui
