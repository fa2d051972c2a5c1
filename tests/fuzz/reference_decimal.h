#pragma once

// An oracle written apart from numeric/: exact decimals, the number grammar and the two
// rounding rules, so the fuzz properties can tell a wrong value from a right one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qelmar_fuzz {

// Room for a Currency times ten thousand.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// (negative ? -1 : 1) * digits * 10^exponent, kept canonical: no leading or trailing
// zeros in digits, zero as empty digits, never negative.
struct Dec {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool isZero() const { return digits.empty(); }
  friend bool operator==(const Dec&, const Dec&) = default;
};

Dec makeDec(bool negative, std::string digits, int exponent);
Dec decFromScaled(Int128 scaled, int decimals);  // scaled * 10^-decimals
std::string describe(const Dec& value);

// The field text read by the grammar: blanks (U+0020) around, a sign right before the
// number, integer digits with runs of "," only between digits, then "." and digits, at
// least one digit. The point with no digit after it ("5.") is left open: pointLast says so.
struct Reading {
  Dec value;
  int fractionDigits = 0;
  bool pointLast = false;
};
std::optional<Reading> readGrammar(std::u16string_view text);

enum class Rounding { HalfEven, HalfAwayFromZero };
Dec rounded(const Dec& value, int decimals, Rounding rule);

// value * 10^decimals when it is a whole number that fits, nothing otherwise.
std::optional<Int128> scaledExactly(const Dec& value, int decimals, Int128 limit);

// The 15-significant-digit decimal of a finite double, ties to even (the C library's
// printf, which is exact on binary values).
Dec fifteenDigits(double value);
// That decimal as plain text: "-", integer digits ("0" below 1), "." and the fraction
// only when one remains.
std::string plainText(const Dec& value);

// UTF-8 for a report, long texts cut short; control and direction marks and lone
// surrogates as \u{XXXX}.
std::string narrow(std::u16string_view text);
std::u16string widen(std::string_view ascii);

}  // namespace qelmar_fuzz
