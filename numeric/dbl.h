#pragma once

#include <compare>
#include <cstdint>

#include "numeric/currency.h"

namespace numeric {

// A Double whose every operation checks itself: a zero divisor raises DivisionByZero
// (0 / 0 too), a non-finite result raises Overflow. Inexact and underflowing results pass.
class Dbl {
 public:
  constexpr Dbl(double value) : value_(value) {}  // NOLINT: literals take part in expressions
  constexpr double value() const { return value_; }

  friend Dbl operator+(Dbl a, Dbl b);
  friend Dbl operator-(Dbl a, Dbl b);
  friend Dbl operator*(Dbl a, Dbl b);
  friend Dbl operator/(Dbl a, Dbl b);

 private:
  double value_;
};

Dbl dbl(Currency value);      // toDouble(value)
Dbl dbl(std::int32_t value);  // exact

// Cur(e): the binary64 product e * 10000.0 rounded to an integer, ties to even;
// Overflow for a non-finite product or one outside the Currency range.
Currency cur(Dbl value);

// Three-way comparison of a Double with a Currency (taken as its Double value);
// unordered for a NaN.
std::partial_ordering compare(double left, Currency right);

}  // namespace numeric
