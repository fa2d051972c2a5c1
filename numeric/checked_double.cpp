#include "numeric/checked_double.h"

#include <cmath>

#include "numeric/decimal.h"
#include "numeric/numeric_error.h"
#include "numeric/rounding.h"

namespace numeric {
namespace {

// Inexact and underflowing results pass; only a non-finite one is an error.
CheckedDouble finite(double result) {
  if (!std::isfinite(result)) throw NumericError(ErrorKind::Overflow);
  return result;
}

}  // namespace

CheckedDouble operator+(CheckedDouble a, CheckedDouble b) { return finite(a.value_ + b.value_); }
CheckedDouble operator-(CheckedDouble a, CheckedDouble b) { return finite(a.value_ - b.value_); }
CheckedDouble operator*(CheckedDouble a, CheckedDouble b) { return finite(a.value_ * b.value_); }

CheckedDouble operator/(CheckedDouble a, CheckedDouble b) {
  if (b.value_ == 0.0) throw NumericError(ErrorKind::DivisionByZero);
  return finite(a.value_ / b.value_);
}

// Read from the exact decimal so that large values, whose integer does not fit a Double,
// still get one correctly rounded result; every Currency lies in the Double range.
CheckedDouble dbl(Currency value) {
  return *detail::nearestDouble(detail::exactDecimal(value));
}
CheckedDouble dbl(std::int32_t value) { return static_cast<double>(value); }

// The product is rounded by IEEE first, then to an integer with ties to even; the
// second step is spelt out so it does not hang on the FPU's rounding mode.
Currency cur(CheckedDouble value) {
  const double product = value.value() * static_cast<double>(Currency::kScale);
  if (!std::isfinite(product)) throw NumericError(ErrorKind::Overflow);
  double whole = std::floor(product);
  const double fraction = product - whole;  // exact: both lie within one unit
  if (detail::roundsUp(detail::Rounding::HalfEven, fraction <=> 0.5,
                       std::fmod(whole, 2.0) != 0.0)) {
    whole += 1.0;
  }
  // 2^63 is exact in a Double; the range is [-2^63, 2^63).
  constexpr double kLimit = 9223372036854775808.0;
  if (whole < -kLimit || whole >= kLimit) throw NumericError(ErrorKind::Overflow);
  return Currency::fromScaled(static_cast<std::int64_t>(whole));
}

std::partial_ordering compare(double left, Currency right) {
  return left <=> dbl(right).value();
}

}  // namespace numeric
