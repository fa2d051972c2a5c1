#pragma once

#include <string>
#include <string_view>

namespace numeric::detail {

// The two conversions between a Double and decimal digits that Double to text, text to
// Double and Format rest on: correctly rounded, whatever the C locale says. Where the
// standard library converts floating point (std::to_chars, std::from_chars) they use it;
// where it does not (libc++ 13, the web build's), the fallbacks below, over snprintf and
// strtod, which glibc and musl round correctly.

// The 15 significant digits of |value| (finite), rounded to nearest with ties to even, and
// the power of ten of the first of them: 1234.5 gives {"123450000000000", 3}; zero gives
// fifteen zeros and 0.
struct SignificantDigits {
  std::string digits;
  int exponent = 0;
};
SignificantDigits fifteenSignificantDigits(double value);

// The Double nearest to digits x 10^exponent (`digits`: ASCII digits, any number of them),
// ties to even: zero below half the smallest Double, infinity past the largest.
double nearestMagnitude(std::string_view digits, int exponent);

namespace fallback {
SignificantDigits fifteenSignificantDigits(double value);
double nearestMagnitude(std::string_view digits, int exponent);
}  // namespace fallback

}  // namespace numeric::detail
