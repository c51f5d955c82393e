// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/common/number_texts.hpp"

#include <QLocale>
#include <cmath>

#include "runtime/number_text.hpp"
#include "ui/common/qt_text.hpp"

namespace ui {

QString twoDecimals(double value, const NumberFormat& format) {
    QString text = QString::number(value, 'f', 2);
    return text.replace(QLatin1Char('.'), toQString(format.decimalSeparator));
}

QString plainNumber(double value, const NumberFormat& format) {
    return toQString(runtime::textOfDouble(value, format.decimalSeparator));
}

QString countText(double value, const NumberFormat& format) {
    // Beyond 2^53 a double no longer holds every whole number; such values stay plain.
    constexpr double kLargestExactWhole = 9007199254740992.0;
    if (std::floor(value) != value || std::abs(value) > kLargestExactWhole) {
        return plainNumber(value, format);
    }
    return QLocale::system().toString(static_cast<qlonglong>(value));
}

QString percentOrNone(std::optional<double> percent, const NumberFormat& format) {
    return percent ? twoDecimals(*percent, format) + QStringLiteral(" %") : QString(kNoValue);
}

}  // namespace ui
