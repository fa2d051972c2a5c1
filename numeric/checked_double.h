#pragma once

#include <compare>
#include <cstdint>

#include "numeric/currency.h"

namespace numeric {

// A Double whose every operation checks itself, so that a statement computing in Doubles
// fails as a whole instead of carrying an infinity or a NaN on.
//   + - * /: IEEE binary64, rounded to nearest. A zero divisor raises DivisionByZero (0 / 0
//   too); a non-finite result raises Overflow. Inexact and underflowing results pass.
//   1 / 3 is 0.333...;  1e308 x 10 raises Overflow;  0 / 0 raises DivisionByZero;
//   1e-300 x 1e-300 is 0.
class CheckedDouble {
 public:
  // NOLINTNEXTLINE: literals take part in expressions
  constexpr CheckedDouble(double value) : value_(value) {}
  constexpr double value() const { return value_; }

  friend CheckedDouble operator+(CheckedDouble a, CheckedDouble b);
  friend CheckedDouble operator-(CheckedDouble a, CheckedDouble b);
  friend CheckedDouble operator*(CheckedDouble a, CheckedDouble b);
  friend CheckedDouble operator/(CheckedDouble a, CheckedDouble b);

 private:
  double value_;
};

// Dbl(x): a Currency as the Double nearest to its exact value (the stored integer / 10^4,
// one rounding even above 2^53), a 32-bit integer exactly. Never fail.
//   Dbl(1.2345) is the Double 1.2345;  Dbl(0.1000) is 0.1.
CheckedDouble dbl(Currency value);
CheckedDouble dbl(std::int32_t value);

// Cur(e): the IEEE product e x 10^4 rounded to an integer, ties to even (rounding.h), as
// the scaled Currency. Overflow for a product outside the Currency range.
//   Cur(0.1) = 0.1000;  Cur(0.00625) = 0.0062 (a tie);  Cur(0.09375) = 0.0938 (a tie);
//   Cur(1e300) raises Overflow.
Currency cur(CheckedDouble value);

// Three-way comparison of a Double with a Currency taken as its Double; unordered for a
// NaN. Never fails.  compare(0.01, 0.0099) is greater.
std::partial_ordering compare(double left, Currency right);

}  // namespace numeric
