#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numeric/double_conversion.h"

namespace numeric::detail {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kSmallestNormal = std::numeric_limits<double>::min();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The rows hold what the standard library's conversions give; the fallback must give the
// same wherever it is built, and the conversion in use too.
TEST(DoubleConversion, DigitsToDoubleAgreeWithFromCharsAtTheEndsOfTheRange) {
  struct Row { std::string digits; int exponent; double nearest; };
  const Row rows[] = {
      {"3", -324, kSmallest},
      {"24703282292062328", -340, kSmallest},  // just above half the smallest: up
      {"24703282292062327", -340, 0.0},         // just below: zero, no error
      {"1", -400, 0.0},
      {std::string(400, '0') + "1", -330, 0.0},  // leading zeros are no magnitude
      {"1", -100000, 0.0},
      {"22250738585072014", -324, kSmallestNormal},
      {"17976931348623157", 292, kLargest},
      {"17976931348623158", 292, kLargest},
      {"17976931348623159", 292, kInfinity},  // rounds past the largest
      {"1", 309, kInfinity},
      {"1", 100000, kInfinity},
      {"9007199254740993", 0, 9007199254740992.0},  // 2^53 + 1 ties to even
      {"9007199254740993" + std::string(30, '0') + "1", -31, 9007199254740994.0},
      {"0", 999, 0.0},
      {"1", -1, 0.1},
  };
  for (const Row& row : rows) {
    const std::string shown = row.digits.substr(0, 20) + "e" + std::to_string(row.exponent);
    EXPECT_EQ(fallback::nearestMagnitude(row.digits, row.exponent), row.nearest) << shown;
    EXPECT_EQ(nearestMagnitude(row.digits, row.exponent), row.nearest) << shown;
  }
}

TEST(DoubleConversion, DoubleToDigitsAgreeWithToCharsAtTheEndsAndOnTies) {
  struct Row { double value; std::string digits; int exponent; };
  const Row rows[] = {
      {kSmallest, "494065645841247", -324},
      {kSmallestNormal, "222507385850720", -308},
      {kLargest, "179769313486232", 308},
      {123456789012345.5, "123456789012346", 14},  // an exact tie: to even, up
      {123456789012344.5, "123456789012344", 14},  // an exact tie: to even, down
      {999999999999999.5, "100000000000000", 15},  // the tie carries into a new digit
      {-0.1, "100000000000000", -1},
      {0.0, "000000000000000", 0},
  };
  for (const Row& row : rows) {
    const SignificantDigits fromFallback = fallback::fifteenSignificantDigits(row.value);
    EXPECT_EQ(fromFallback.digits, row.digits) << row.value;
    EXPECT_EQ(fromFallback.exponent, row.exponent) << row.value;
    const SignificantDigits inUse = fifteenSignificantDigits(row.value);
    EXPECT_EQ(inUse.digits, row.digits) << row.value;
    EXPECT_EQ(inUse.exponent, row.exponent) << row.value;
  }
}

#if defined(__cpp_lib_to_chars)
// Where the standard conversions exist, the fallback is held to them over every magnitude.
TEST(DoubleConversion, TheFallbackAgreesWithTheStandardLibraryOnRandomValues) {
  std::mt19937_64 random(20260722);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    const SignificantDigits standard = fifteenSignificantDigits(value);
    const SignificantDigits fromFallback = fallback::fifteenSignificantDigits(value);
    ASSERT_EQ(fromFallback.digits, standard.digits) << value;
    ASSERT_EQ(fromFallback.exponent, standard.exponent) << value;

    const std::string digits = std::to_string(random() % 100000000000000000);
    const int exponent = static_cast<int>(random() % 700) - 360;
    ASSERT_EQ(fallback::nearestMagnitude(digits, exponent), nearestMagnitude(digits, exponent))
        << digits << "e" << exponent;
  }
}
#endif

}  // namespace
}  // namespace numeric::detail
