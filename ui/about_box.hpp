// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

class QWidget;

namespace ui {

// "За програмата": title, version, what the program is for, its licence and the Qt version.
// Window-modal and non-blocking, like the stop message.
void showAboutBox(QWidget* parent);

}  // namespace ui
