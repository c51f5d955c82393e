#include "ui/summary_line.hpp"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace ui {
namespace {

const QString kPartSeparator = QStringLiteral("; ");
constexpr int kMargin = 4;

}  // namespace

SummaryLine::SummaryLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList SummaryLine::lines(int width) const {
    const QFontMetrics metrics = fontMetrics();
    QStringList result;
    for (const QString& part : text().split(kPartSeparator)) {
        const QString joined = result.isEmpty() ? part : result.back() + kPartSeparator + part;
        if (!result.isEmpty() && metrics.horizontalAdvance(joined) <= width - 2 * kMargin) {
            result.back() = joined;
        } else {
            result.append(part);
        }
    }
    return result;
}

QSize SummaryLine::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text()) + 2 * kMargin,
            fontMetrics().lineSpacing() + 2 * kMargin};
}

QSize SummaryLine::minimumSizeHint() const {
    int widest = 0;
    for (const QString& part : text().split(kPartSeparator)) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(part));
    }
    return {widest + 2 * kMargin, fontMetrics().lineSpacing() + 2 * kMargin};
}

int SummaryLine::heightForWidth(int width) const {
    return static_cast<int>(lines(width).size()) * fontMetrics().lineSpacing() + 2 * kMargin;
}

void SummaryLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    int y = kMargin;
    for (const QString& line : lines(width())) {
        painter.drawText(QRect(kMargin, y, width() - 2 * kMargin, fontMetrics().lineSpacing()),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += fontMetrics().lineSpacing();
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace ui
