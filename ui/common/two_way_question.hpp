// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QMessageBox>
#include <QString>

namespace ui {

// A question with two answers in words, asked over `parent` and waiting for one: `yes` does
// what the question asks, `no` leaves things as they are and is what Escape answers. Enter
// answers whichever is the default. True for `yes`.
struct TwoWayQuestion {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QString yes;
    QString no;
    bool yesIsDefault = false;
    QString objectName = {};
};
bool askTwoWay(QWidget* parent, const TwoWayQuestion& question);

}  // namespace ui
