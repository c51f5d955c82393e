// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/common/context_menu_keys.hpp"

#include <QApplication>
#include <QContextMenuEvent>
#include <QShortcut>
#include <QWidget>

namespace ui {

void installContextMenuKeys(QWidget& window) {
    // A shortcut, not an action: a window whose menu lists its actions would list this one.
    auto* keys = new QShortcut(&window);
    keys->setObjectName(QStringLiteral("ContextMenuKeys"));
    keys->setKeys({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    keys->setContext(Qt::WindowShortcut);
    QObject::connect(keys, &QShortcut::activated, &window, [&window] {
        QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        const QPoint inside = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, inside, target->mapToGlobal(inside));
        // Sent, so that a control without a menu of its own passes it on to the window's.
        QApplication::sendEvent(target, &event);
    });
}

}  // namespace ui
