#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numeric/currency.h"
#include "numeric/rounding.h"

namespace numeric::detail {

// An exact decimal: (negative ? -1 : 1) * digits * 10^exponent. digits holds ASCII
// '0'..'9', never empty, and may start with zeros.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The value rounded to `decimals` fraction digits by `rule`; the result has
// exponent == -decimals.
Decimal rounded(Decimal value, int decimals, Rounding rule);

bool isZero(const Decimal& value);

// The exact value of a Currency: its scaled integer with exponent -Currency::kDecimals.
Decimal exactDecimal(Currency value);

// The digits either side of the point: the integer part without leading zeros (empty
// below 1), the fraction with exactly max(0, -exponent) digits.
struct PointSplit {
  std::string integer;
  std::string fraction;
};
PointSplit splitAtPoint(const Decimal& value);

// The value rounded to 15 significant digits, ties to even; Overflow for a
// non-finite value.
Decimal fifteenDigits(double value);

// The nearest Double, correctly rounded; a value below the smallest Double gives zero,
// one past the largest nothing.
std::optional<double> nearestDouble(const Decimal& value);

std::u16string widen(std::string_view ascii);

}  // namespace numeric::detail
