// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/words/guess_validator.hpp"

#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

QValidator::State GuessValidator::validate(QString& input, int& /*position*/) const {
    if (input.trimmed().isEmpty() || guessFromText(input)) {
        return Acceptable;
    }
    // A separator typed and its digits still to come: "," is on its way to ",5".
    return guessFromText(input + QLatin1Char('0')) ? Intermediate : Invalid;
}

}  // namespace ui
