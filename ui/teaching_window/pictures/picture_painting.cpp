// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pictures/picture_painting.hpp"

#include <QStyleOptionFocusRect>
#include <QWidget>

namespace ui {

void drawValueGrid(QPainter& painter, const QRect& plot, double top, double step,
                   const std::vector<double>& labelled,
                   const std::function<QString(double)>& label) {
    const int line = painter.fontMetrics().height();
    auto next = labelled.begin();
    for (int i = 0; i * step <= top * (1 + 1e-9); ++i) {
        const double value = i * step;
        const double y = plot.bottom() - plot.height() * value / top;
        painter.setPen(kChartGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (next != labelled.end() && *next == value) {
            painter.setPen(kChartText);
            painter.drawText(QRectF(0, y - line, plot.left() - line / 3.0, 2 * line),
                             Qt::AlignRight | Qt::AlignVCenter, label(value));
            ++next;
        }
    }
    painter.setPen(kChartText);
}

void drawAxisAcross(QPainter& painter, const QRect& plot,
                    const std::vector<std::pair<double, QString>>& labels, const QString& title) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const double top = plot.bottom() + line / 4.0;
    const int titleWidth = metrics.horizontalAdvance(title);
    const double titleLeft = plot.right() - titleWidth;
    std::vector<AcrossLabel> across;
    across.reserve(labels.size());
    for (const auto& [x, text] : labels) {
        across.push_back({x, metrics.horizontalAdvance(text)});
    }
    const std::vector<bool> shown = acrossLabelsShown(across, titleLeft, line);
    painter.setPen(kChartText);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const double x = labels[i].first;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, top));
        if (shown[i]) {
            painter.drawText(QRectF(x - across[i].width, top, 2.0 * across[i].width, line),
                             Qt::AlignHCenter | Qt::AlignTop, labels[i].second);
        }
    }
    painter.drawText(QRectF(titleLeft, top, titleWidth, line), Qt::AlignRight | Qt::AlignTop,
                     title);
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
        const LegendEntry& entry = legend[i];
        const QPoint at = layout.legend[i];
        const int middle = at.y() + line / 2;
        if (entry.line) {
            painter.setPen(QPen(entry.colour, 3));
            painter.drawLine(at.x(), middle, at.x() + swatch, middle);
        } else {
            painter.fillRect(QRect(at.x(), middle - swatch / 3, swatch, 2 * swatch / 3),
                             entry.colour);
        }
        painter.setPen(kChartText);
        painter.drawText(at.x() + swatch + swatch / 3, at.y() + metrics.ascent(), entry.text);
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

}  // namespace ui
