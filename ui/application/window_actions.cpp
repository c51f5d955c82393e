// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/application/window_actions.hpp"

#include <QAction>

#include "ui/application/about_box.hpp"
#include "ui/common/context_menu_keys.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/teaching_window.hpp"

namespace ui {

void installWindowActions(MainForm& form) {
    form.addAction(makeTeachingWindowAction(form));
    auto* about = new QAction(QStringLiteral("За програмата…"), &form);
    about->setObjectName(QStringLiteral("AboutAction"));
    QObject::connect(about, &QAction::triggered, &form, [&form] { showAboutBox(&form); });
    form.addAction(about);
    form.setContextMenuPolicy(Qt::ActionsContextMenu);
    installContextMenuKeys(form);
}

}  // namespace ui
