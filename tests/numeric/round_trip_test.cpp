#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"
#include "support/pattern_text.h"
#include "test_support.h"

namespace numeric {
namespace {

using qelmar_test::patternText;

constexpr int kRounds = 100000;

// Scaled Currency values of every magnitude, a good share of them exact ties at some
// decimal place; kept far enough from the range ends that rounding up stays inside.
std::int64_t someScaled(std::mt19937_64& random) {
  constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() - 1000000;
  const int magnitude = static_cast<int>(random() % 19);
  std::int64_t power = 1;
  for (int i = 0; i < magnitude; ++i) power *= 10;
  std::int64_t scaled = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(power));
  if (random() % 4 == 0) scaled = scaled / 10 * 10 + 5;
  if (random() % 8 == 0) scaled = static_cast<std::int64_t>(random() % std::uint64_t(kLimit));
  return random() % 2 == 0 ? -scaled : scaled;
}

// The scaled value rounded to a multiple of `unit`, half away from zero.
std::int64_t roundedTo(std::int64_t scaled, std::int64_t unit) {
  std::int64_t quotient = scaled / unit;
  const std::int64_t remainder = scaled % unit;
  if (2 * std::abs(remainder) >= unit) quotient += scaled < 0 ? -1 : 1;
  return quotient * unit;
}

TEST(FormatRoundTrip, AFormattedCurrencyReadsBackAsTheRoundedValue) {
  struct Shown { Pattern pattern; std::int64_t unit; };
  const Shown patterns[] = {
      {Pattern::Grouped2, 100}, {Pattern::Grouped1, 1000}, {Pattern::Plain2, 100},
      {Pattern::Plain3, 10}, {Pattern::Plain5, 1},
  };
  std::mt19937_64 random(20260701);
  for (int i = 0; i < kRounds; ++i) {
    const std::int64_t scaled = someScaled(random);
    for (const Shown& shown : patterns) {
      const std::u16string text = format(Currency::fromScaled(scaled), shown.pattern);
      ASSERT_EQ(toCurrency(text), Currency::fromScaled(roundedTo(scaled, shown.unit)))
          << scaled << " " << narrow(patternText(shown.pattern)) << " shown " << narrow(text);
    }
  }
}

TEST(FormatRoundTrip, APercentReadsBackAsTheHundredfoldRoundedToAWholeNumber) {
  constexpr std::int64_t kLargestWhole = std::numeric_limits<std::int64_t>::max() / 10000;
  std::mt19937_64 random(20260702);
  for (int i = 0; i < kRounds; ++i) {
    const std::int64_t scaled = someScaled(random);
    const std::int64_t percent = roundedTo(scaled, 100) / 100;
    const std::u16string text = format(Currency::fromScaled(scaled), Pattern::Percent);
    ASSERT_EQ(lastChar(text), u"%") << scaled;
    const std::u16string_view number = std::u16string_view(text).substr(0, text.size() - 1);
    if (percent == 0) {
      ASSERT_EQ(number, u"") << scaled;
    } else if (std::abs(percent) <= kLargestWhole) {
      ASSERT_EQ(toCurrency(number), Currency::fromScaled(percent * 10000))
          << scaled << " shown " << narrow(text);
    }
  }
}

// Finite Doubles below 1e308 (whose 15-digit form can round past the largest Double),
// half of them from random bits, half short decimals.
double someDouble(std::mt19937_64& random) {
  if (random() % 2 == 0) {
    const double fraction = static_cast<double>(random() % 100000000);
    return fraction / std::pow(10.0, static_cast<double>(random() % 12)) *
           (random() % 2 == 0 ? 1 : -1);
  }
  for (;;) {
    const std::uint64_t bits = random();
    double value;  // no std::bit_cast in the web build's libc++
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value) && std::abs(value) < 1e308) return value;
  }
}

TEST(DoubleTextRoundTrip, TheTextReadsBackToTheSameFifteenDigits) {
  std::mt19937_64 random(20260703);
  for (int i = 0; i < kRounds; ++i) {
    const double value = someDouble(random);
    const std::u16string text = toText(value);
    ASSERT_EQ(toText(toDouble(text)), text) << value;
  }
}

}  // namespace
}  // namespace numeric
