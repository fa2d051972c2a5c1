#include "numeric/currency.h"

#include <cstdint>
#include <optional>

#include "numeric/int128.h"
#include "numeric/numeric_error.h"
#include "numeric/rounding.h"

namespace numeric {
namespace {

using detail::Int128;

// The divisor that takes eight decimals back to four; the braces stop the build should
// the scale ever outgrow 32 bits.
constexpr std::uint32_t kUnit{Currency::kScale};

Currency inRange(Int128 scaled) {
  const std::optional<std::int64_t> narrowed = scaled.toInt64();
  if (!narrowed) throw NumericError(ErrorKind::Overflow);
  return Currency::fromScaled(*narrowed);
}

}  // namespace

Currency operator+(Currency a, Currency b) {
  return inRange(Int128(a.scaled()) + Int128(b.scaled()));
}

Currency operator-(Currency a, Currency b) {
  return inRange(Int128(a.scaled()) - Int128(b.scaled()));
}

// The product of two scaled values carries eight decimals; back to four, ties to even: the
// truncated quotient moves one unit away from zero when the part cut off is more than
// half a unit, or exactly half and the quotient odd.
Currency operator*(Currency a, Currency b) {
  const auto [quotient, remainder] =
      detail::divide(detail::product(a.scaled(), b.scaled()), kUnit);
  const std::int64_t cutOff = remainder < 0 ? -remainder : remainder;
  const bool quotientIsOdd = (quotient.low() & 1) != 0;
  if (!detail::roundsUp(detail::Rounding::HalfEven, cutOff <=> kUnit / 2, quotientIsOdd)) {
    return inRange(quotient);
  }
  return inRange(quotient + Int128(remainder < 0 ? -1 : 1));
}

Currency operator*(Currency a, std::int16_t factor) {
  return inRange(detail::product(a.scaled(), factor));
}

Currency fromLong(std::int32_t value) {
  return Currency::fromScaled(std::int64_t{value} * Currency::kScale);
}

}  // namespace numeric
