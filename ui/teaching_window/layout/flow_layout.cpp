// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/layout/flow_layout.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace ui {

QWidget* labelledPair(const QString& text, QWidget* box, QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, pair);
    label->setBuddy(box);
    box->setParent(pair);
    pair->setFocusProxy(box);
    layout->addWidget(label);
    layout->addWidget(box);
    return pair;
}

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const {
    // All on one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            width += item->sizeHint().width() + (width > 0 ? spacing() : 0);
            height = std::max(height, item->sizeHint().height());
        }
    }
    return {width, height};
}

QSize FlowLayout::minimumSize() const {
    // As narrow as the widest item, each on a row of its own.
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            size = size.expandedTo(item->minimumSize());
        }
    }
    return size;
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

void FlowLayout::invalidate() {
    QLayout::invalidate();
    // The rows' height depends on which items show; the layout around keeps the height it
    // asked for at a width until the widget says its geometry changed.
    if (QWidget* widget = parentWidget()) {
        widget->updateGeometry();
    }
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const int gap = std::max(spacing(), 0);
    int x = rect.x();
    int y = rect.y();
    int rowHeight = 0;
    // A row's items share its height and are centred in it, so labels line up with boxes.
    QList<QLayoutItem*> row;
    const auto placeRow = [&] {
        int left = rect.x();
        for (QLayoutItem* item : row) {
            const QSize size = item->sizeHint();
            item->setGeometry(QRect(QPoint(left, y + (rowHeight - size.height()) / 2), size));
            left += size.width() + gap;
        }
        row.clear();
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        const QSize size = item->sizeHint();
        if (x > rect.x() && x + size.width() > rect.right() + 1) {
            if (apply) {
                placeRow();
            }
            y += rowHeight + gap;
            x = rect.x();
            rowHeight = 0;
        }
        row.append(item);
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    if (apply) {
        placeRow();
    }
    return y + rowHeight - rect.y();
}

}  // namespace ui
