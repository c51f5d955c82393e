// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/common/two_way_question.hpp"

#include <QPushButton>

namespace ui {

bool askTwoWay(QWidget* parent, const TwoWayQuestion& question) {
    QMessageBox box(question.icon, question.title, question.text, QMessageBox::NoButton, parent);
    box.setObjectName(question.objectName);
    QPushButton* yes = box.addButton(question.yes, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(question.no, QMessageBox::RejectRole);
    box.setDefaultButton(question.yesIsDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace ui
