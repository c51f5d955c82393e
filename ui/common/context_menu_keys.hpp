// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

class QWidget;

namespace ui {

// Shift+F10 and the Menu key open the context menu of the control with the focus in
// `window`, or of the window, at the control, as a right click there would.
void installContextMenuKeys(QWidget& window);

}  // namespace ui
