// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/common/number_texts.hpp"

#include <QLocale>
#include <cmath>

#include "runtime/number_text.hpp"
#include "ui/common/qt_text.hpp"

namespace ui {

QString twoDecimals(double value, const NumberFormat& format) {
    // Half away from zero, as pupils round; the printing alone would round an exact tie such
    // as 0.125 to even.
    QString text = QString::number(std::round(value * 100) / 100, 'f', 2);
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

QString percentText(double percent, const NumberFormat& format) {
    return twoDecimals(percent, format) + QChar(kPercentSpace) + QLatin1Char('%');
}

QString percentOrNone(std::optional<double> percent, const NumberFormat& format) {
    return percent ? percentText(*percent, format) : QString(kNoValue);
}

}  // namespace ui
