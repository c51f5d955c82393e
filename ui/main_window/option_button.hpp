// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QRadioButton>

namespace ui {

// An option button that reports each way it is chosen exactly once: every click (the mouse,
// Space, the arrow keys, an assistive tool's press), also on the option already selected,
// and every check set without a click, from code or by an assistive tool's toggle.
class OptionButton final : public QRadioButton {
    Q_OBJECT

  public:
    OptionButton(const QString& text, QWidget* parent);

  signals:
    void chosen();

  protected:
    // Runs for a check set without a click only: a click changes the check with this
    // notification held back, and reports through clicked.
    void checkStateSet() override;

  private:
    bool checkedWithoutClick_ = false;
};

}  // namespace ui
