// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace ui {

// Where the teaching window opens, and where the main window goes to make room for it.
struct Placement {
    QRect window;
    // Set when the main window moves so that the two stand side by side.
    std::optional<QPoint> formTopLeft;
    // On a screen too small for both, the window opens maximised over the main window, as an
    // ordinary window that F11 turns into a presentation; `window` is where it goes when it is
    // restored.
    bool maximised = false;

    friend bool operator==(const Placement&, const Placement&) = default;
};

inline constexpr int kWindowGap = 8;

// At most nine tenths of the screen each way: a tenth is left for the window's frame and the
// desktop's panels.
QSize withinScreen(const QSize& wanted, const QRect& available);

// Never over the main window's inputs and buttons where the screen allows it: beside, before,
// below or above the main window at the size it wants (at most nine tenths of the screen);
// else narrower, beside the main window moved to the screen's left edge, down to its minimum
// width; else, on a screen too small for both, maximised, and in the corner farthest from the
// main window when restored, so that as much of both shows as the screen allows.
Placement placeBeside(const QRect& available, const QRect& formFrame, const QSize& wanted,
                      const QSize& minimum);

}  // namespace ui
