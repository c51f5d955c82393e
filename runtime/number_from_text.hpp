#pragma once

#include <string_view>

namespace runtime {

// Reads the leading number of a UTF-8 text, as the inputs are typed into the window:
// blanks, tabs and line feeds are skipped wherever they stand, the point is the only
// decimal separator whatever the process locale, an exponent (E or e) is optional, and
// text without a leading number gives 0. Too large a value gives an infinity.
double numberFromText(std::string_view text) noexcept;

}  // namespace runtime
