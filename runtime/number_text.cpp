// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace runtime {
namespace {

constexpr int kSignificantDigits = 15;

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, never empty
    int exponent = 0;    // power of ten of the first digit
};

Decimal roundedDecimal(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));

    Decimal decimal;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        decimal.negative = true;
        ++pos;
    }
    const std::size_t exponentMark = text.find('e', pos);
    for (std::size_t i = pos; i < exponentMark; ++i) {
        if (text[i] != '.') {
            decimal.digits += text[i];
        }
    }
    const std::string_view exponentText = text.substr(exponentMark + 1);
    const std::size_t skipPlus = exponentText.front() == '+' ? 1 : 0;
    std::from_chars(exponentText.data() + skipPlus, exponentText.data() + exponentText.size(),
                    decimal.exponent);
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

std::string scientificText(const Decimal& decimal, std::string_view separator) {
    std::string text(1, decimal.digits.front());
    if (decimal.digits.size() > 1) {
        text += separator;
        text.append(decimal.digits, 1);
    }
    text += decimal.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(decimal.exponent);
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

std::string fixedText(const Decimal& decimal, std::string_view separator) {
    const auto& digits = decimal.digits;
    if (decimal.exponent < 0) {
        std::string text = "0";
        text += separator;
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        return text + digits;
    }
    const auto wholeDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    if (digits.size() <= wholeDigits) {
        return digits + std::string(wholeDigits - digits.size(), '0');
    }
    std::string text = digits.substr(0, wholeDigits);
    text += separator;
    text.append(digits, wholeDigits);
    return text;
}

}  // namespace

std::string textOfInt16(std::int16_t value) {
    return std::to_string(value);
}

std::string textOfDouble(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Infinity" : "-Infinity";
    }
    if (value == 0.0) {
        return "0";  // minus zero included
    }
    const Decimal decimal = roundedDecimal(value);
    const bool scientific = decimal.exponent < -4 || decimal.exponent >= kSignificantDigits;
    std::string text = decimal.negative ? "-" : "";
    text += scientific ? scientificText(decimal, decimalSeparator)
                       : fixedText(decimal, decimalSeparator);
    return text;
}

}  // namespace runtime
