#include "numeric/double_conversion.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace numeric::detail {
namespace {

// "d.ddddddddddddddde+XX" as to_chars and printf write it; the point is the locale's for
// printf, so only the digits are kept.
SignificantDigits readScientific(std::string_view text) {
  SignificantDigits read;
  const std::size_t e = text.find('e');
  for (const char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') read.digits += c;
  }
  read.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return read;
}

std::string exactText(std::string_view digits, int exponent) {
  return std::string(digits) + 'e' + std::to_string(exponent);
}

}  // namespace

namespace fallback {

SignificantDigits fifteenSignificantDigits(double value) {
  char text[40];
  const int length = std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
  return readScientific(std::string_view(text, static_cast<std::size_t>(length)));
}

// Digits and an exponent only, so the locale's decimal point plays no part; strtod gives
// HUGE_VAL past the largest Double.
double nearestMagnitude(std::string_view digits, int exponent) {
  return std::strtod(exactText(digits, exponent).c_str(), nullptr);
}

}  // namespace fallback

#if defined(__cpp_lib_to_chars)

SignificantDigits fifteenSignificantDigits(double value) {
  char text[40];
  const auto written = std::to_chars(text, text + sizeof text, std::fabs(value),
                                     std::chars_format::scientific, 14);
  return readScientific(std::string_view(text, static_cast<std::size_t>(written.ptr - text)));
}

// from_chars leaves the value alone when it is out of range, either way.
double nearestMagnitude(std::string_view digits, int exponent) {
  const std::string text = exactText(digits, exponent);
  double magnitude = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (read.ec == std::errc::result_out_of_range) {
    const std::size_t significant = digits.size() - digits.find_first_not_of('0');
    return exponent + static_cast<int>(significant) > 0 ? HUGE_VAL : 0.0;
  }
  return magnitude;
}

#else

SignificantDigits fifteenSignificantDigits(double value) {
  return fallback::fifteenSignificantDigits(value);
}

double nearestMagnitude(std::string_view digits, int exponent) {
  return fallback::nearestMagnitude(digits, exponent);
}

#endif

}  // namespace numeric::detail
