// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

namespace ui {

// Makes every one-line text box (QLineEdit) answer assistive tools through an accessible
// interface of this program's own. Qt 6.4's own one loops for ever when asked for the word or
// sentence at the end of the text, reports a zero-length attribute run (a screen reader then
// cuts the last digit of a value), and lets an assistive tool rewrite a read-only box.
// A top-level window made of a plain QWidget is also given the role of a window (a frame).
// Call it before any box or window is first asked for its accessible interface: Qt keeps the
// first interface it made for an object. Calling it again does nothing more.
void installAccessibleInterfaces();

}  // namespace ui
