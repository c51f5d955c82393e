// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QString>

class QLineEdit;

namespace ui {

// A box with a validator says what it takes: the rule ends its tooltip and its description,
// and a keystroke or a paste the box turns away brings the rule up beside the box at once,
// so that nothing is dropped without a word.
void explainAcceptedInput(QLineEdit& box, const QString& rule);

}  // namespace ui
