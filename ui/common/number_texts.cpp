// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/common/number_texts.hpp"

#include "runtime/number_text.hpp"
#include "ui/common/qt_text.hpp"

namespace ui {

QString twoDecimals(double value, const core::Model& model) {
    QString text = QString::number(value, 'f', 2);
    return text.replace(QLatin1Char('.'), toQString(model.decimalSeparator()));
}

QString plainNumber(double value, const core::Model& model) {
    return toQString(runtime::textOfDouble(value, model.decimalSeparator()));
}

QString percentOrNone(std::optional<double> percent, const core::Model& model) {
    return percent ? twoDecimals(*percent, model) + QStringLiteral(" %") : QString(kNoValue);
}

}  // namespace ui
