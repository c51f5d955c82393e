// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/layout/input_rule.hpp"

#include <QLineEdit>
#include <QToolTip>

namespace ui {

void explainAcceptedInput(QLineEdit& box, const QString& rule) {
    const QString described = box.accessibleDescription().isEmpty()
                                  ? rule
                                  : box.accessibleDescription() + QStringLiteral(". ") + rule;
    box.setAccessibleDescription(described);
    box.setToolTip(described);
    QObject::connect(&box, &QLineEdit::inputRejected, &box, [&box, rule] {
        QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), rule, &box);
    });
}

}  // namespace ui
