#include "numeric/currency.h"

#include <limits>

#include "numeric/decimal.h"
#include "numeric/numeric_error.h"
#include "numeric/rounding.h"

namespace numeric {
namespace {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

Currency inRange(Int128 scaled) {
  if (scaled < std::numeric_limits<std::int64_t>::min() ||
      scaled > std::numeric_limits<std::int64_t>::max()) {
    throw NumericError(ErrorKind::Overflow);
  }
  return Currency::fromScaled(static_cast<std::int64_t>(scaled));
}

}  // namespace

Currency operator+(Currency a, Currency b) {
  return inRange(Int128(a.scaled()) + b.scaled());
}

Currency operator-(Currency a, Currency b) {
  return inRange(Int128(a.scaled()) - b.scaled());
}

// The product of two scaled values carries twice the decimals; back to four, ties to even.
Currency operator*(Currency a, Currency b) {
  const Int128 product = Int128(a.scaled()) * b.scaled();
  const UInt128 magnitude = product < 0 ? UInt128(-product) : UInt128(product);
  UInt128 quotient = magnitude / Currency::kScale;
  const UInt128 remainder = magnitude % Currency::kScale;
  if (detail::roundsUp(detail::Rounding::HalfEven, remainder <=> UInt128(Currency::kScale / 2),
                       quotient % 2 == 1)) {
    ++quotient;
  }
  return inRange(product < 0 ? -Int128(quotient) : Int128(quotient));
}

Currency operator*(Currency a, std::int16_t factor) {
  return inRange(Int128(a.scaled()) * factor);
}

Currency fromLong(std::int32_t value) {
  return Currency::fromScaled(std::int64_t{value} * Currency::kScale);
}

// Read from the exact decimal so that large values, whose integer does not fit a
// Double, still get one correctly rounded result; every Currency lies in the Double range.
double toDouble(Currency value) { return *detail::nearestDouble(detail::exactDecimal(value)); }

}  // namespace numeric
