// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QDialog>

#include "core/model.hpp"

class QLabel;

namespace ui {

// "Как се тегли?": a short note, in pupils' words and with the current inputs' numbers, on why
// the expected share is not the demands above the capacity divided by all demands. A window
// of its own, so that it takes no room from the pictures, and non-modal, so that the run can
// be watched while it is open.
class DrawExplanation final : public QDialog {
    Q_OBJECT

  public:
    DrawExplanation(const core::Model& model, QWidget* parent);

    // Writes the note anew where the inputs changed it.
    void refresh(bool expectedShown);

  private:
    const core::Model& model_;
    QLabel* note_;
};

}  // namespace ui
