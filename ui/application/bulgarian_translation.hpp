// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

class QCoreApplication;

namespace ui {

// Loads Qt's own Bulgarian texts (context menus, message box buttons) into the application.
// Returns false when the translation is not installed; the program then runs with Qt's
// English texts for those.
bool installBulgarianTranslation(QCoreApplication& application);

}  // namespace ui
