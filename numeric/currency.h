#pragma once

#include <compare>
#include <cstdint>

namespace numeric {

// Fixed-point money: every amount, rate and result of the calculation.
class Currency {
 public:
  // Four decimal places: the value times 10^4 is held in a signed 64-bit integer, so the
  // range is -922,337,203,685,477.5808 to 922,337,203,685,477.5807.
  static constexpr int kDecimals = 4;
  static constexpr std::int64_t kScale = [] {
    std::int64_t scale = 1;
    for (int i = 0; i < kDecimals; ++i) scale *= 10;
    return scale;
  }();

  constexpr Currency() = default;
  // fromScaled(12345) is 1.2345.
  static constexpr Currency fromScaled(std::int64_t scaled) { return Currency(scaled); }
  constexpr std::int64_t scaled() const { return scaled_; }

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  constexpr explicit Currency(std::int64_t scaled) : scaled_(scaled) {}
  std::int64_t scaled_ = 0;
};

// Sum and difference: exact; Overflow outside the range.
//   1.2345 + 0.0001 = 1.2346;  922,337,203,685,477.5807 + 0.0001 raises Overflow.
Currency operator+(Currency a, Currency b);
Currency operator-(Currency a, Currency b);

// Product: the exact product rounded to four decimals, ties to even (rounding.h);
// Overflow outside the range.
//   1.2345 x 2 = 2.4690;  0.0003 x 0.5 = 0.00015, a tie, gives 0.0002;
//   0.0001 x 0.5 = 0.00005, a tie, gives 0.0000;  the largest value x 1.0001 raises Overflow.
Currency operator*(Currency a, Currency b);

// Product with a 16-bit integer: exact; Overflow outside the range.
//   1.2345 x 100 = 123.45;  92,233,720,368,547.7590 x 100 raises Overflow.
Currency operator*(Currency a, std::int16_t factor);

// A 32-bit integer as Currency: exact, never fails.  fromLong(-7) = -7.0000.
Currency fromLong(std::int32_t value);

}  // namespace numeric
