// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/number_from_text.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace runtime {
namespace {

constexpr bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text, stepping over the characters the reader ignores.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) { skipIgnored(); }

    [[nodiscard]] char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void advance() {
        ++pos_;
        skipIgnored();
    }

  private:
    void skipIgnored() {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Far beyond any exponent a double can use, and far from overflowing when the scale of the
// mantissa digits is added.
constexpr std::int64_t kExponentCap = 1'000'000'000;

// Reads "E[sign]digits" if it is there. "1e" and "1e+" leave the exponent out.
std::int64_t readExponent(Scanner& in) {
    if (in.peek() != 'e' && in.peek() != 'E') {
        return 0;
    }
    Scanner probe = in;
    probe.advance();
    bool negative = false;
    if (probe.peek() == '+' || probe.peek() == '-') {
        negative = probe.peek() == '-';
        probe.advance();
    }
    if (!isDigit(probe.peek())) {
        return 0;
    }
    std::int64_t exponent = 0;
    while (isDigit(probe.peek())) {
        if (exponent < kExponentCap) {
            exponent = exponent * 10 + (probe.peek() - '0');
        }
        probe.advance();
    }
    in = probe;
    return negative ? -exponent : exponent;
}

// The number as significant digits times a power of ten: "0.0250" is 250 × 10^-4.
struct DecimalNumber {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    std::int64_t scale = 0;
};

DecimalNumber scan(std::string_view text) {
    Scanner in(text);
    DecimalNumber number;
    if (in.peek() == '+' || in.peek() == '-') {
        number.negative = in.peek() == '-';
        in.advance();
    }
    while (isDigit(in.peek())) {
        if (in.peek() != '0' || !number.digits.empty()) {
            number.digits += in.peek();
        }
        in.advance();
    }
    if (in.peek() == '.') {
        in.advance();
        while (isDigit(in.peek())) {
            if (in.peek() != '0' || !number.digits.empty()) {
                number.digits += in.peek();
            }
            --number.scale;
            in.advance();
        }
    }
    // An exponent after no digits at all scales nothing: the value is 0 either way.
    number.scale += readExponent(in);
    return number;
}

// Digits and scale small enough that one multiplication or division of two exact doubles
// gives the correctly rounded value.
constexpr std::size_t kExactDigits = 15;
constexpr std::int64_t kExactPowers = 22;

double exactValue(const DecimalNumber& number) {
    constexpr auto kPowersOfTen = [] {
        std::array<double, kExactPowers + 1> powers{};
        double power = 1.0;
        for (double& entry : powers) {
            entry = power;
            power *= 10.0;
        }
        return powers;
    }();
    std::uint64_t mantissa = 0;
    for (const char digit : number.digits) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    const auto value = static_cast<double>(mantissa);
    return number.scale >= 0 ? value * kPowersOfTen[static_cast<std::size_t>(number.scale)]
                             : value / kPowersOfTen[static_cast<std::size_t>(-number.scale)];
}

// Any length and exponent: from_chars is locale-free and correctly rounded.
double generalValue(const DecimalNumber& number) {
    std::string text = number.digits;
    text += 'e';
    text += std::to_string(number.scale);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when out of range: decide between overflow and
        // underflow by the power of ten of the leading digit.
        const auto leadingPower = static_cast<std::int64_t>(number.digits.size()) + number.scale;
        value = leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

}  // namespace

double numberFromText(std::string_view text) noexcept {
    const DecimalNumber number = scan(text);
    if (number.digits.empty()) {
        return number.negative ? -0.0 : 0.0;  // no digit, or zeros only
    }
    const bool exact = number.digits.size() <= kExactDigits && number.scale >= -kExactPowers &&
                       number.scale <= kExactPowers;
    const double value = exact ? exactValue(number) : generalValue(number);
    return number.negative ? -value : value;
}

}  // namespace runtime
