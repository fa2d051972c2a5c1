#pragma once

#include <string>
#include <string_view>

namespace numeric {

// Double to text: the value rounded to 15 significant digits (ties to even) and written as
// a plain decimal, never in exponent form: trailing fraction zeros dropped, "0" before the
// point below 1, "-0" written "0". Overflow for an infinity or a NaN.
//   0.1 -> "0.1";  1000 -> "1000";  123.44999999999999 -> "123.45";  1.0 / 3 ->
//   "0.333333333333333";  infinity raises Overflow.
std::u16string toText(double value);

// Every half-width "%" removed; never fails.  "%1%0" -> "10";  "５０％" stays.
std::u16string removePercent(std::u16string_view text);

// The last UTF-16 code unit as a text, the empty text for an empty text; never fails.
//   "10%" -> "%";  "" -> "".
std::u16string_view lastChar(std::u16string_view text);

}  // namespace numeric
