#pragma once

#include <string>
#include <string_view>

#include "numeric/currency.h"

namespace numeric {

// The window's display patterns: a closed set, so no pattern the program cannot show is
// ever asked for. Each is read from its pattern text when the program is built.
enum class Pattern {
  Grouped2,  // "#,###,###.00": 1234.5 -> "1,234.50", 0.5 -> ".50", 0 -> ".00"
  Grouped1,  // "#,###,###.0": 1234.56 -> "1,234.6", 0.25 -> ".3"
  Plain2,    // "#0.00": 0.5 -> "0.50", 1234.567 -> "1234.57"
  Plain3,    // "#0.000": 100 -> "100.000", 1.3 -> "1.300"
  Plain5,    // "#0.00000": 1.305 -> "1.30500"
  Percent,   // "###%": the value times 100 as a whole number: 0.1 -> "10%", 0 -> "%"
};

// Format(value, pattern): the value rounded half away from zero to the pattern's decimals
// (rounding.h) and written in plain digits, grouped in threes where the pattern has ",",
// with "-" before a value that does not round to zero. A Currency is rounded from its exact
// four decimals and never fails; a Double from its 15-significant-digit decimal, and a
// non-finite Double raises Overflow.
//   format(0.125, Grouped2) = ".13" (a tie, away from zero);  format(-0.004, Grouped2) = ".00";
//   format(-1234.5, Grouped2) = "-1,234.50";  format(0.285, Percent) = "29%".
std::u16string format(Currency value, Pattern pattern);
std::u16string format(double value, Pattern pattern);

// Format of a field text: a text that reads as a number (toDouble's grammar and range) is
// formatted as that Double; any other text comes back unchanged. Never fails.
//   format("0.1", Percent) = "10%";  format("10%", Percent) = "10%";
//   format("abc", Plain3) = "abc";  format("", Plain3) = "".
std::u16string format(std::u16string_view text, Pattern pattern);

}  // namespace numeric
