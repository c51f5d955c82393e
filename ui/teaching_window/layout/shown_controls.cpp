// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/layout/shown_controls.hpp"

namespace ui {

ShownControls shownControls(WindowFit fit) {
    return {
        .inputsAndRunButtons = fit.presenting,
        .dataButtons = fit.tall && !fit.presenting,
        .runPageControls = !fit.experimentsPage,
        .experimentsControls = fit.experimentsPage,
        .drawExplanation = fit.tall && !fit.presenting && !fit.experimentsPage,
        .experimentsAndMenuButtons = !fit.presenting,
        .largeSummary = fit.tall,
    };
}

}  // namespace ui
