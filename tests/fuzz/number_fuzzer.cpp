// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// Arbitrary bytes into the number reader. Beyond not crashing, the reader must ignore the
// skipped characters wherever they stand, stop at the first character that cannot continue
// the number, never give NaN, and read back its own 15-digit text within rounding.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/number_from_text.hpp"
#include "runtime/number_text.hpp"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool sameValue(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = runtime::numberFromText(text);
    require(!std::isnan(value));

    std::string withoutSkipped;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            withoutSkipped += c;
        }
    }
    require(sameValue(runtime::numberFromText(withoutSkipped), value));

    // '#' can continue no number, so what follows it is never read.
    std::string cut(text);
    cut += "#9";
    require(sameValue(runtime::numberFromText(cut), value));

    if (std::isfinite(value)) {
        const double reread = runtime::numberFromText(runtime::textOfDouble(value, "."));
        require(std::fabs(reread - value) <= std::fabs(value) * 1e-14);
    }
    return 0;
}
