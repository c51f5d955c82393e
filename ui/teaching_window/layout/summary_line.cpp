// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/layout/summary_line.hpp"

#include <QEvent>
#include <QPainter>
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
    if (widthsFont_ != font() || widths_.size() > 256) {
        widths_.clear();
        widthsFont_ = font();
    }
    for (const QString& part : parts_) {
        // Digits are as wide as each other in the fonts a desktop uses: "Тегления: 4518" is
        // measured once as "Тегления: 0000", not shaped anew for every tick.
        QString shape = part;
        for (QChar& character : shape) {
            if (character.isDigit()) {
                character = QLatin1Char('0');
            }
        }
        auto known = widths_.find(shape);
        if (known == widths_.end()) {
            known = widths_.insert(shape, fontMetrics().horizontalAdvance(shape));
        }
        partWidths_.push_back(*known);
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
        // The same heavy dashed frame as the window's buttons, for a projector.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

SummaryHolder::SummaryHolder(SummaryLine* line, QWidget* parent) : QWidget(parent), line_(line) {
    line_->setParent(this);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

bool SummaryHolder::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        // The line asks after every change of its text; the window's layout is redone only
        // when the summary needs another number of lines.
        if (line_->heightForWidth(width()) != height()) {
            updateGeometry();
        }
        return true;
    }
    return QWidget::event(event);
}

void SummaryHolder::resizeEvent(QResizeEvent* /*event*/) {
    line_->setGeometry(rect());
}

}  // namespace ui
