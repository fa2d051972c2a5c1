#pragma once

#include <cstdint>
#include <string_view>

#include "numeric/currency.h"

namespace numeric {

// The number grammar of every field text: blanks (U+0020) around; an optional "+" or "-"
// right before the number; integer digits with "," only between two digits; optionally
// "." and more digits; at least one digit. Anything else raises TypeMismatch.

// Exact decimal value rounded to four decimals, ties to even; Overflow outside the range.
Currency toCurrency(std::u16string_view text);
// Exact decimal value rounded to an integer, ties to even; Overflow outside 32 bits.
std::int32_t toLong(std::u16string_view text);
// Correctly rounded; Overflow beyond the Double range, underflow is no error.
double toDouble(std::u16string_view text);

}  // namespace numeric
