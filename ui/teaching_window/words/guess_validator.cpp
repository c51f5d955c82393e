// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/words/guess_validator.hpp"

#include <QRegularExpression>

#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

QValidator::State GuessValidator::validate(QString& input, int& /*position*/) const {
    if (input.trimmed().isEmpty() || guessFromText(input)) {
        return Acceptable;
    }
    // Digits, a separator and more digits, then blanks and a "%": the shape of a share being
    // typed.
    static const QRegularExpression kShape(QStringLiteral("^\\s*(\\d{0,3})([.,]\\d*)?\\s*%?\\s*$"));
    const QRegularExpressionMatch match = kShape.match(input);
    if (!match.hasMatch()) {
        return Invalid;
    }
    // "100,5" is already above 100 however it goes on; "100," may still be 100,0.
    const QString digits = match.captured(1) + QLatin1Char('.') + match.captured(2).mid(1);
    return digits.toDouble() > 100 ? Invalid : Intermediate;
}

}  // namespace ui
