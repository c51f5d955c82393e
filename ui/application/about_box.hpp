// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QString>

class QWidget;

namespace ui {

// What "За програмата" says: title, version, what the program is for, its copyright and
// licence with the no-warranty sentence, and the Qt version.
QString aboutText();

// Shows it in a box that is window-modal without blocking: the window under it waits, the run
// goes on. The box opens over `parent` with the keyboard on its button, and fits the screen.
void showAboutBox(QWidget* parent);

}  // namespace ui
