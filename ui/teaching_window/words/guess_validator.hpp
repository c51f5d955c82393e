// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QValidator>

namespace ui {

// The class's guess box takes only what guessFromText reads as a share: a number from 0 to
// 100, with a comma or a point, and a "%" if the teacher likes, or nothing; on the way there,
// a separator whose digits are still to come (","). Anything else never reaches the box, so the
// box shows what the pictures draw.
class GuessValidator final : public QValidator {
    Q_OBJECT

  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace ui
