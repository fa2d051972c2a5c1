#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "numeric/format.h"
#include "support/pattern_text.h"
#include "test_support.h"

namespace numeric {
namespace {

using qelmar_test::patternText;

using enum Pattern;

struct Row {
  std::int64_t scaled;
  Pattern pattern;
  std::u16string_view text;
};

// Every row holds for the Currency and for the Double of the same value.
const Row kBothKinds[] = {
    {12345000, Grouped2, u"1,234.50"}, {123456780000, Grouped2, u"12,345,678.00"},
    {5000, Grouped2, u".50"}, {0, Grouped2, u".00"}, {-12345000, Grouped2, u"-1,234.50"},
    {12345678905000, Grouped2, u"1,234,567,890.50"}, {-40, Grouped2, u".00"},
    {50, Grouped2, u".01"}, {-50, Grouped2, u"-.01"}, {49, Grouped2, u".00"},
    {9999950, Grouped2, u"1,000.00"}, {1000000, Grouped2, u"100.00"},
    {12345600, Grouped1, u"1,234.6"}, {2500, Grouped1, u".3"}, {-2500, Grouped1, u"-.3"},
    {-400, Grouped1, u".0"}, {9999999500, Grouped1, u"1,000,000.0"},
    {5000, Plain2, u"0.50"}, {12345670, Plain2, u"1234.57"}, {0, Plain2, u"0.00"},
    {-40, Plain2, u"0.00"}, {-50, Plain2, u"-0.01"}, {12345678910, Plain2, u"1234567.89"},
    {1000000, Plain3, u"100.000"}, {13000, Plain3, u"1.300"}, {5, Plain3, u"0.001"},
    {-5, Plain3, u"-0.001"}, {4, Plain3, u"0.000"},
    {13050, Plain5, u"1.30500"}, {1, Plain5, u"0.00010"}, {-12345, Plain5, u"-1.23450"},
    {1000, Percent, u"10%"}, {10000, Percent, u"100%"}, {0, Percent, u"%"},
    {50, Percent, u"1%"}, {-1000, Percent, u"-10%"}, {49, Percent, u"%"},
    {-50, Percent, u"-1%"}, {-49, Percent, u"%"}, {123456, Percent, u"1235%"},
    {10000000, Percent, u"100000%"},
};

TEST(FormatCurrency, RoundsHalfAwayFromZeroFromTheExactFourDecimals) {
  for (const Row& row : kBothKinds) {
    EXPECT_EQ(format(Currency::fromScaled(row.scaled), row.pattern), row.text)
        << row.scaled << " " << narrow(patternText(row.pattern));
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(format(Currency::fromScaled(kMax), Grouped2), u"922,337,203,685,477.58");
  EXPECT_EQ(format(Currency::fromScaled(kMin), Grouped2), u"-922,337,203,685,477.58");
  EXPECT_EQ(format(Currency::fromScaled(kMin), Percent), u"-92233720368547758%");
}

TEST(FormatDouble, RoundsHalfAwayFromZeroFromTheFifteenDigitDecimal) {
  for (const Row& row : kBothKinds) {
    const double value = static_cast<double>(row.scaled) / 10000.0;
    EXPECT_EQ(format(value, row.pattern), row.text)
        << value << " " << narrow(patternText(row.pattern));
  }
  struct DoubleRow { double value; Pattern pattern; std::u16string_view text; };
  const DoubleRow rows[] = {
      {1.005, Plain2, u"1.01"},    // 1.00499999999999989... reads 1.00500000000000
      {2.675, Plain2, u"2.68"},
      {0.125, Grouped2, u".13"},   // an exact tie, away from zero
      {-0.125, Grouped2, u"-.13"},
      {0.285, Percent, u"29%"},    // 28.499999999999996 if multiplied in binary
      {1e20, Grouped2, u"100,000,000,000,000,000,000.00"},
      {-0.0, Plain2, u"0.00"}, {1e-20, Plain2, u"0.00"}, {-1e-20, Plain2, u"0.00"},
      {1.3, Plain5, u"1.30000"},
  };
  for (const DoubleRow& row : rows) {
    EXPECT_EQ(format(row.value, row.pattern), row.text)
        << row.value << " " << narrow(patternText(row.pattern));
  }
  expectError(ErrorKind::Overflow,
              [] { return format(std::numeric_limits<double>::infinity(), Plain2); }, "infinity");
}

TEST(FormatText, FormatsWhatReadsAsANumberAndKeepsTheRest) {
  struct TextRow { std::u16string_view text; Pattern pattern; std::u16string_view shown; };
  const TextRow rows[] = {
      {u"0.1", Percent, u"10%"}, {u"10,000", Grouped2, u"10,000.00"},
      {u" 1.3 ", Plain3, u"1.300"}, {u"1.005", Plain2, u"1.01"},
      {u"-0.004", Grouped2, u".00"}, {u".5", Plain2, u"0.50"},
      {u"10%", Percent, u"10%"}, {u"", Plain3, u""}, {u"abc", Grouped2, u"abc"},
      {u"abc", Grouped1, u"abc"}, {u"abc", Plain2, u"abc"}, {u"abc", Plain3, u"abc"},
      {u"abc", Plain5, u"abc"}, {u"abc", Percent, u"abc"}, {u"1e3", Plain2, u"1e3"},
      {u"１", Plain2, u"１"}, {u"1,", Plain2, u"1,"},
  };
  for (const TextRow& row : rows) {
    EXPECT_EQ(format(row.text, row.pattern), row.shown)
        << narrow(row.text) << " " << narrow(patternText(row.pattern));
  }
  const std::u16string tooLarge = u"1" + std::u16string(400, u'0');
  EXPECT_EQ(format(tooLarge, Plain2), tooLarge);
}

}  // namespace
}  // namespace numeric
