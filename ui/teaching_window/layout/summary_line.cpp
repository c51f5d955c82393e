// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/layout/summary_line.hpp"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace ui {
namespace {

const QString kPartSeparator = QStringLiteral("; ");
constexpr int kMargin = 4;
const QString kValueStart = QStringLiteral(": ");
const QString kWidestValue = QStringLiteral("00,00 %");

// How many parts each line takes in `room`, with `separatorWidth` between two parts on a
// line: as many whole parts as fit, and at least one.
std::vector<int> partsPerLine(const std::vector<int>& partWidths, int separatorWidth, int room) {
    std::vector<int> result;
    int used = 0;
    for (const int width : partWidths) {
        if (!result.empty() && used + separatorWidth + width <= room) {
            ++result.back();
            used += separatorWidth + width;
        } else {
            result.push_back(1);
            used = width;
        }
    }
    return result;
}

int lineCount(const std::vector<int>& partWidths, int separatorWidth, int room) {
    return static_cast<int>(partsPerLine(partWidths, separatorWidth, room).size());
}

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
    roomyWidths_.clear();
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
        const auto width = [this](const QString& shaped) {
            auto known = widths_.find(shaped);
            if (known == widths_.end()) {
                known = widths_.insert(shaped, fontMetrics().horizontalAdvance(shaped));
            }
            return *known;
        };
        partWidths_.push_back(width(shape));
        const qsizetype valueStart = shape.lastIndexOf(kValueStart);
        roomyWidths_.push_back(
            valueStart < 0
                ? partWidths_.back()
                : std::max(partWidths_.back(),
                           width(shape.left(valueStart + kValueStart.size()) + kWidestValue)));
    }
    separatorWidth_ = fontMetrics().horizontalAdvance(kPartSeparator);
}

QStringList SummaryLine::lines(int width) const {
    measure();
    QStringList result;
    qsizetype first = 0;
    for (const int count : partsPerLine(partWidths_, separatorWidth_, width - 2 * kMargin)) {
        result.append(parts_.mid(first, count).join(kPartSeparator));
        first += count;
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
    measure();
    const int room = width - 2 * kMargin;
    int count = std::max(lineCount(partWidths_, separatorWidth_, room),
                         lineCount(roomyWidths_, separatorWidth_, room));
    if (width == this->width()) {
        mostLines_ = std::max(mostLines_, count);
        count = mostLines_;
    }
    return count * fontMetrics().lineSpacing() + 2 * kMargin;
}

void SummaryLine::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        mostLines_ = 0;
    }
}

void SummaryLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        mostLines_ = 0;
    }
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
    // The line asks after every change of its text; the window's layout is redone only when
    // the summary needs another number of lines. A change while hidden, as the font the window
    // picks for its size as it opens, asks nothing: shown, the holder checks.
    const bool request = event->type() == QEvent::LayoutRequest;
    if ((request || event->type() == QEvent::Show) && line_->heightForWidth(width()) != height()) {
        updateGeometry();
    }
    return request || QWidget::event(event);
}

void SummaryHolder::resizeEvent(QResizeEvent* /*event*/) {
    line_->setGeometry(rect());
}

}  // namespace ui
