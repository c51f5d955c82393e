// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/option_button.hpp"

#include <QMetaObject>

namespace ui {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        // The arrow keys check the next option and then click it: one choice, told once.
        if (checkedWithoutClick_) {
            checkedWithoutClick_ = false;
            return;
        }
        emit chosen();
    });
}

void OptionButton::checkStateSet() {
    QRadioButton::checkStateSet();
    if (!isChecked()) {
        return;
    }
    checkedWithoutClick_ = true;
    // A click that belongs to this check follows within the same event; a later one is new.
    QMetaObject::invokeMethod(
        this, [this] { checkedWithoutClick_ = false; }, Qt::QueuedConnection);
    emit chosen();
}

}  // namespace ui
