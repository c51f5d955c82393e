// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Which of the teaching window's controls show, from its mode, its height and its page.

namespace ui {

struct WindowFit {
    // Full screen, for a class: the main window is hidden behind it.
    bool presenting = false;
    // At least kShortWindowLines of text high.
    bool tall = true;
    bool experimentsPage = false;
};

struct ShownControls {
    // The case and inputs, and the main window's "Изведи" and "Изчисти": only when
    // presenting, since the main window is then out of sight.
    bool inputsAndRunButtons;
    // Save and copy: only in a tall window that is not presenting; else from the menu button
    // or the context menu.
    bool dataButtons;
    // Speed, pause, step and the guess: the first page's.
    bool runPageControls;
    bool experimentsControls;
    // "Как се тегли?": in a short window from the menu, so the controls take one row fewer.
    bool drawExplanation;
    // "Експерименти" and the menu button, which holds every action of the window: the
    // window's own while it is not presenting, where the context menu and the keys do.
    bool experimentsAndMenuButtons;
    // A short window keeps the summary at the text's size, so the pictures keep their room.
    bool largeSummary;

    friend bool operator==(const ShownControls&, const ShownControls&) = default;
};

ShownControls shownControls(WindowFit fit);

}  // namespace ui
