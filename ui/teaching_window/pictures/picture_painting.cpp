// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pictures/picture_painting.hpp"

#include <QStyleOptionFocusRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

QFont scaledFont(const QFont& font, double scale) {
    QFont scaled = font;
    if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * scale);
    } else {
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    return scaled;
}

void drawValueGrid(QPainter& painter, const QRect& plot, const ValueLabels& labels,
                   const std::function<QString(double)>& label) {
    const double top = labels.axis.top;
    const double step = labels.axis.step;
    painter.save();
    painter.setFont(scaledFont(painter.font(), labels.textScale));
    const int line = painter.fontMetrics().height();
    auto next = labels.values.begin();
    for (int i = 0; i * step <= top * (1 + 1e-9); ++i) {
        const double value = i * step;
        const double y = plot.bottom() - plot.height() * value / top;
        painter.setPen(kChartGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (next != labels.values.end() && *next == value) {
            painter.setPen(kChartText);
            painter.drawText(QRectF(0, y - line, plot.left() - line / 3.0, 2 * line),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, label(value));
            ++next;
        }
    }
    painter.restore();
    painter.setPen(kChartText);
}

void drawAxisAcross(QPainter& painter, const QRect& plot, const AcrossRange& range,
                    const AcrossAxis& axis, const std::function<QString(double)>& label,
                    const QString& title) {
    // The ticks stand a quarter of the picture's own line under the plot, whatever the
    // labels' size.
    const double top = plot.bottom() + painter.fontMetrics().height() / 4.0;
    painter.save();
    painter.setFont(scaledFont(painter.font(), axis.textScale));
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    painter.setPen(kChartText);
    for (std::size_t i = 0; i < axis.values.size(); ++i) {
        const double x = range.xOf(axis.values[i]);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, top));
        if (i < axis.labelled) {
            const QString text = label(axis.values[i]);
            const int width = metrics.horizontalAdvance(text);
            painter.drawText(QRectF(x - width, top, 2.0 * width, line),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
        }
    }
    const int titleWidth = metrics.horizontalAdvance(title);
    painter.drawText(QRectF(plot.right() - titleWidth, top, titleWidth, line),
                     Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, title);
    painter.restore();
}

void drawLabel(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment align,
               int line) {
    const QFont font = painter.font();
    painter.setFont(scaledFont(font, box.height() / std::max(line, 1)));
    painter.drawText(box, static_cast<int>(align) | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.setFont(font);
}

void beginPicture(QPainter& painter, const QWidget& widget, const QFont& font) {
    painter.fillRect(widget.rect(), kChartBackground);
    if (widget.hasFocus()) {
        // A frame as wide as a thin pen on a projector, in the palette's highlight.
        painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 3));
        painter.drawRect(widget.rect().adjusted(1, 1, -2, -2));
    }
    painter.setFont(font);
    painter.setPen(kChartText);
}

namespace {

// The sample of a legend entry's mark in its swatch, a square a line `line` high at `at`.
void drawLegendMark(QPainter& painter, const LegendEntry& entry, QPoint at, int line) {
    const int swatch = line;
    const QPointF middle(at.x() + swatch / 2.0, at.y() + line / 2.0);
    const QLineF across(at.x(), middle.y(), at.x() + swatch, middle.y());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (entry.mark) {
        case LegendMark::Line:
        case LegendMark::DashedLine:
        case LegendMark::DottedLine: {
            painter.setPen(
                QPen(entry.colour, entry.width,
                     entry.mark == LegendMark::DashedLine ? Qt::DashLine : Qt::SolidLine));
            painter.drawLine(across);
            if (entry.mark == LegendMark::DottedLine) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(entry.colour);
                for (const double x : {0.2, 0.5, 0.8}) {
                    painter.drawEllipse(QPointF(at.x() + x * swatch, middle.y()), line / 8.0,
                                        line / 8.0);
                }
            }
            break;
        }
        case LegendMark::Box:
            painter.fillRect(QRectF(at.x(), middle.y() - swatch / 3.0, swatch, 2 * swatch / 3.0),
                             entry.colour);
            break;
        case LegendMark::Dot:
            painter.setPen(Qt::NoPen);
            painter.setBrush(entry.colour);
            painter.drawEllipse(middle, line / 4.0, line / 4.0);
            break;
        case LegendMark::Ring:
            painter.setPen(QPen(entry.colour, entry.width));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(middle, line / 3.0, line / 3.0);
            break;
    }
    painter.restore();
}

}  // namespace

void drawHeading(QPainter& painter, const HeadingLayout& layout,
                 const std::vector<LegendEntry>& legend) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const int swatch = line;
    const int margin = line / 4;
    painter.setPen(kChartText);
    for (qsizetype i = 0; i < layout.titleLines.size(); ++i) {
        painter.drawText(line / 2, margin + static_cast<int>(i) * line + metrics.ascent(),
                         layout.titleLines.at(i));
    }
    for (std::size_t i = 0; i < legend.size() && i < layout.legend.size(); ++i) {
        const QPoint at = layout.legend[i];
        drawLegendMark(painter, legend[i], at, line);
        painter.setPen(kChartText);
        painter.drawText(at.x() + swatch + swatch / 3, at.y() + metrics.ascent(), legend[i].text);
    }
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

void drawLabelledAxisAcross(QPainter& painter, const QRect& plot, const AcrossRange& range,
                            const std::function<QString(double)>& label, const QString& title,
                            int most) {
    const QFontMetrics metrics = painter.fontMetrics();
    drawAxisAcross(painter, plot, range,
                   acrossAxis(
                       range, [&](double value) { return metrics.horizontalAdvance(label(value)); },
                       metrics.horizontalAdvance(title), plot.right(), metrics.height(), most),
                   label, title);
}

}  // namespace ui
