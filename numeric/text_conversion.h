#pragma once

#include <cstdint>
#include <string_view>

#include "numeric/currency.h"

namespace numeric {

// The number grammar of every field text: blanks (U+0020) around; an optional "+" or "-"
// right before the number; integer digits with "," only between two digits; optionally
// "." and more digits; at least one digit. Accepted: "10,000.00", " 42 ", ".5", "-3",
// "1,,000". Refused with TypeMismatch: "", " ", "1.2.3", "10%", "1,", "1e3", "１",
// "- 1", "abc".

// The exact decimal rounded to four decimals, ties to even (rounding.h); Overflow outside
// the Currency range.
//   "10,000.00" -> 10000.0000;  "1.23455" -> 1.2346;  "1.23445" -> 1.2344 (ties to even);
//   "922337203685477.5808" raises Overflow;  "1.2.3" raises TypeMismatch.
Currency toCurrency(std::u16string_view text);

// The exact decimal rounded to an integer, ties to even; Overflow outside 32 bits.
//   "100" -> 100;  "2.5" -> 2;  "3.5" -> 4;  "3000000000" raises Overflow;
//   "10%" raises TypeMismatch.
std::int32_t toLong(std::u16string_view text);

// The nearest Double to the exact decimal; Overflow past the largest Double, while a
// value below the smallest gives zero.
//   "0.1" -> 0.1;  "9007199254740993" -> 9007199254740992 (ties to even);
//   "1" followed by 309 zeros raises Overflow;  "" raises TypeMismatch.
double toDouble(std::u16string_view text);

// Whether the text follows the number grammar, whatever its size: the test behind "is
// this a number at all" that raises nothing.
//   "1,000.5" and "1" followed by 400 zeros are numbers; "abc", "" and "10%" are not.
bool isNumber(std::u16string_view text);

}  // namespace numeric
