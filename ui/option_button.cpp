// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/option_button.hpp"

namespace ui {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    connect(this, &QAbstractButton::clicked, this, &OptionButton::chosen);
}

void OptionButton::checkStateSet() {
    QRadioButton::checkStateSet();
    if (isChecked()) {
        emit chosen();
    }
}

}  // namespace ui
