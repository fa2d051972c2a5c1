#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace numeric::detail {

// A signed 128-bit integer: room for the exact sum, difference and product of any two
// int64, which Currency needs before it checks its range. Standard C++ has no integer
// this wide, so it is two's complement on two 64-bit halves. Everything is inline so
// that a division by a constant compiles to multiplications.
class Int128 {
 public:
  constexpr Int128() = default;
  // Every int64, exactly.
  constexpr explicit Int128(std::int64_t value)
      : high_(signFill(value)), low_(static_cast<std::uint64_t>(value)) {}
  // The value high x 2^64 + low, the top bit of `high` counting -2^127.
  static constexpr Int128 fromHalves(std::uint64_t high, std::uint64_t low) {
    Int128 value;
    value.high_ = high;
    value.low_ = low;
    return value;
  }

  constexpr std::uint64_t high() const { return high_; }
  constexpr std::uint64_t low() const { return low_; }
  constexpr bool isNegative() const { return high_ >> 63 != 0; }

  // The value if it lies in the int64 range, else nothing.
  //   Int128(-7).toInt64() = -7;  (Int128(INT64_MAX) + Int128(1)).toInt64() is nothing.
  constexpr std::optional<std::int64_t> toInt64() const {
    if (high_ != signFill(static_cast<std::int64_t>(low_))) return std::nullopt;
    return static_cast<std::int64_t>(low_);
  }

 private:
  // All ones for a negative value, else zero: the high half of an int64. C++20 shifts a
  // negative value arithmetically, and without a branch.
  static constexpr std::uint64_t signFill(std::int64_t value) {
    return static_cast<std::uint64_t>(value >> 63);
  }

  std::uint64_t high_ = 0;
  std::uint64_t low_ = 0;
};

// Sum and difference: exact while the result lies within -2^127 to 2^127 - 1, which sums
// and differences of int64 values and of their products never leave; beyond, they wrap.
//   Int128(-1) + Int128(1) = 0, a carry out of the low half.
constexpr Int128 operator+(Int128 a, Int128 b) {
  const std::uint64_t low = a.low() + b.low();
  const std::uint64_t carry = low < a.low() ? 1 : 0;
  return Int128::fromHalves(a.high() + b.high() + carry, low);
}

constexpr Int128 operator-(Int128 a, Int128 b) {
  const std::uint64_t borrow = a.low() < b.low() ? 1 : 0;
  return Int128::fromHalves(a.high() - b.high() - borrow, a.low() - b.low());
}

constexpr Int128 operator-(Int128 value) { return Int128() - value; }

// The exact product; never overflows, since its magnitude is at most 2^126.
//   product(-3, 5) = -15;  product(INT64_MIN, INT64_MIN) = 2^126.
constexpr Int128 product(std::int64_t a, std::int64_t b) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFF;
  // Unsigned, so that the magnitude of INT64_MIN is 2^63 and no step can overflow.
  const auto magnitude = [](std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    return value < 0 ? 0 - bits : bits;
  };
  const std::uint64_t x = magnitude(a), y = magnitude(b);
  const std::uint64_t x0 = x & kLow32, x1 = x >> 32, y0 = y & kLow32, y1 = y >> 32;
  const std::uint64_t p00 = x0 * y0, p01 = x0 * y1, p10 = x1 * y0, p11 = x1 * y1;
  // The column of bits 32 to 63 sums three parts below 2^32 each; what it carries past
  // bit 63 belongs to the high half.
  const std::uint64_t middle = (p00 >> 32) + (p01 & kLow32) + (p10 & kLow32);
  const Int128 magnitudeProduct = Int128::fromHalves(
      p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & kLow32));
  return (a < 0) != (b < 0) ? -magnitudeProduct : magnitudeProduct;
}

// Division by a positive divisor below 2^32, truncated toward zero like C++'s / and %:
// the remainder takes the dividend's sign.
//   divide(Int128(-7), 2) = {-3, -1};  divide(Int128(7), 2) = {3, 1}.
struct Int128Division {
  Int128 quotient;
  std::int64_t remainder;
};
constexpr Int128Division divide(Int128 dividend, std::uint32_t divisor) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFF;
  const bool negative = dividend.isNegative();
  const Int128 magnitude = negative ? -dividend : dividend;
  // Long division: the high half at once, then the low half in two 32-bit digits, since a
  // remainder below the divisor followed by one such digit stays below 2^64.
  const std::uint64_t quotientHigh = magnitude.high() / divisor;
  std::uint64_t remainder = magnitude.high() % divisor;
  std::uint64_t quotientLow = 0;
  for (const int shift : {32, 0}) {
    const std::uint64_t partial = (remainder << 32) | ((magnitude.low() >> shift) & kLow32);
    quotientLow |= (partial / divisor) << shift;
    remainder = partial % divisor;
  }
  const Int128 quotient = Int128::fromHalves(quotientHigh, quotientLow);
  const auto signedRemainder = static_cast<std::int64_t>(remainder);
  if (negative) return {-quotient, -signedRemainder};
  return {quotient, signedRemainder};
}

}  // namespace numeric::detail
