#include "ui/chart_painting.hpp"

#include <QStyleOptionFocusRect>
#include <QWidget>
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
    painter.setPen(kChartText);
    painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace ui
