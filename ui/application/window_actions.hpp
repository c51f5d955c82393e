// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

namespace ui {

class MainForm;

// Wires the application around the main form: "Графика…" (F2), which opens the teaching
// window, and "За програмата…", as keys and as the form's context menu.
void installWindowActions(MainForm& form);

}  // namespace ui
