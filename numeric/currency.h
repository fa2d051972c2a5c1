#pragma once

#include <compare>
#include <cstdint>

namespace numeric {

// Fixed-point money: the value times 10,000 in a signed 64-bit integer.
class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency fromScaled(std::int64_t scaled) { return Currency(scaled); }
  constexpr std::int64_t scaled() const { return scaled_; }

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  constexpr explicit Currency(std::int64_t scaled) : scaled_(scaled) {}
  std::int64_t scaled_ = 0;
};

// Exact; Overflow outside the range.
Currency operator+(Currency a, Currency b);
Currency operator-(Currency a, Currency b);
// Exact product rounded to four decimals, ties to even; Overflow outside the range.
Currency operator*(Currency a, Currency b);
// Exact product with a 16-bit factor; Overflow outside the range.
Currency operator*(Currency a, std::int16_t factor);

// Exact.
Currency fromLong(std::int32_t value);
// The stored integer / 10000.0: one correctly rounded division.
double toDouble(Currency value);

}  // namespace numeric
