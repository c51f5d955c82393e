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

void SummaryLine::measure() const {
    if (measured_ == text() && measuredFont_ == font() && !partWidths_.empty()) {
        return;
    }
    measured_ = text();
    measuredFont_ = font();
    parts_ = measured_.split(kPartSeparator);
    partWidths_.clear();
    for (const QString& part : parts_) {
        partWidths_.push_back(fontMetrics().horizontalAdvance(part));
    }
    separatorWidth_ = fontMetrics().horizontalAdvance(kPartSeparator);
}

QStringList SummaryLine::lines(int width) const {
    measure();
    QStringList result;
    int used = 0;
    for (std::size_t i = 0; i < partWidths_.size(); ++i) {
        const QString& part = parts_[static_cast<qsizetype>(i)];
        if (!result.isEmpty() && used + separatorWidth_ + partWidths_[i] <= width - 2 * kMargin) {
            result.back() += kPartSeparator + part;
            used += separatorWidth_ + partWidths_[i];
        } else {
            result.append(part);
            used = partWidths_[i];
        }
    }
    return result;
}

QSize SummaryLine::sizeHint() const {
    measure();
    int width = 0;
    for (const int part : partWidths_) {
        width += part + separatorWidth_;
    }
    return {width - separatorWidth_ + 2 * kMargin, fontMetrics().lineSpacing() + 2 * kMargin};
}

QSize SummaryLine::minimumSizeHint() const {
    measure();
    const int widest = partWidths_.empty() ? 0 : *std::ranges::max_element(partWidths_);
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
