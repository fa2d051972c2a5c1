#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "numeric/format.h"
#include "test_support.h"

namespace numeric {
namespace {

constexpr Pattern kGrouped2 = Pattern::Grouped2;
constexpr Pattern kGrouped1 = Pattern::Grouped1;
constexpr Pattern kPlain2 = Pattern::Plain2;
constexpr Pattern kPlain3 = Pattern::Plain3;
constexpr Pattern kPlain5 = Pattern::Plain5;
constexpr Pattern kPercent = Pattern::Percent;

struct Row {
  std::int64_t scaled;
  Pattern pattern;
  std::u16string_view text;
};

// Every row holds for the Currency and for the Double of the same value.
const Row kBothKinds[] = {
    {12345000, kGrouped2, u"1,234.50"}, {123456780000, kGrouped2, u"12,345,678.00"},
    {5000, kGrouped2, u".50"}, {0, kGrouped2, u".00"}, {-12345000, kGrouped2, u"-1,234.50"},
    {12345678905000, kGrouped2, u"1,234,567,890.50"}, {-40, kGrouped2, u".00"},
    {50, kGrouped2, u".01"}, {-50, kGrouped2, u"-.01"}, {49, kGrouped2, u".00"},
    {9999950, kGrouped2, u"1,000.00"}, {1000000, kGrouped2, u"100.00"},
    {12345600, kGrouped1, u"1,234.6"}, {2500, kGrouped1, u".3"}, {-2500, kGrouped1, u"-.3"},
    {-400, kGrouped1, u".0"}, {9999999500, kGrouped1, u"1,000,000.0"},
    {5000, kPlain2, u"0.50"}, {12345670, kPlain2, u"1234.57"}, {0, kPlain2, u"0.00"},
    {-40, kPlain2, u"0.00"}, {-50, kPlain2, u"-0.01"}, {12345678910, kPlain2, u"1234567.89"},
    {1000000, kPlain3, u"100.000"}, {13000, kPlain3, u"1.300"}, {5, kPlain3, u"0.001"},
    {-5, kPlain3, u"-0.001"}, {4, kPlain3, u"0.000"},
    {13050, kPlain5, u"1.30500"}, {1, kPlain5, u"0.00010"}, {-12345, kPlain5, u"-1.23450"},
    {1000, kPercent, u"10%"}, {10000, kPercent, u"100%"}, {0, kPercent, u"%"},
    {50, kPercent, u"1%"}, {-1000, kPercent, u"-10%"}, {49, kPercent, u"%"},
    {-50, kPercent, u"-1%"}, {-49, kPercent, u"%"}, {123456, kPercent, u"1235%"},
    {10000000, kPercent, u"100000%"},
};

TEST(FormatCurrency, RoundsHalfAwayFromZeroFromTheExactFourDecimals) {
  for (const Row& row : kBothKinds) {
    EXPECT_EQ(format(Currency::fromScaled(row.scaled), row.pattern), row.text)
        << row.scaled << " " << narrow(patternText(row.pattern));
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(format(Currency::fromScaled(kMax), kGrouped2), u"922,337,203,685,477.58");
  EXPECT_EQ(format(Currency::fromScaled(kMin), kGrouped2), u"-922,337,203,685,477.58");
  EXPECT_EQ(format(Currency::fromScaled(kMin), kPercent), u"-92233720368547758%");
}

TEST(FormatDouble, RoundsHalfAwayFromZeroFromTheFifteenDigitDecimal) {
  for (const Row& row : kBothKinds) {
    const double value = static_cast<double>(row.scaled) / 10000.0;
    EXPECT_EQ(format(value, row.pattern), row.text)
        << value << " " << narrow(patternText(row.pattern));
  }
  struct DoubleRow { double value; Pattern pattern; std::u16string_view text; };
  const DoubleRow rows[] = {
      {1.005, kPlain2, u"1.01"},    // 1.00499999999999989... reads 1.00500000000000
      {2.675, kPlain2, u"2.68"},
      {0.125, kGrouped2, u".13"},   // an exact tie, away from zero
      {-0.125, kGrouped2, u"-.13"},
      {0.285, kPercent, u"29%"},    // 28.499999999999996 if multiplied in binary
      {1e20, kGrouped2, u"100,000,000,000,000,000,000.00"},
      {-0.0, kPlain2, u"0.00"}, {1e-20, kPlain2, u"0.00"}, {-1e-20, kPlain2, u"0.00"},
      {1.3, kPlain5, u"1.30000"},
  };
  for (const DoubleRow& row : rows) {
    EXPECT_EQ(format(row.value, row.pattern), row.text)
        << row.value << " " << narrow(patternText(row.pattern));
  }
  expectError(ErrorKind::Overflow,
              [] { return format(std::numeric_limits<double>::infinity(), kPlain2); }, "infinity");
}

TEST(FormatText, FormatsWhatReadsAsANumberAndKeepsTheRest) {
  struct TextRow { std::u16string_view text; Pattern pattern; std::u16string_view shown; };
  const TextRow rows[] = {
      {u"0.1", kPercent, u"10%"}, {u"10,000", kGrouped2, u"10,000.00"},
      {u" 1.3 ", kPlain3, u"1.300"}, {u"1.005", kPlain2, u"1.01"},
      {u"-0.004", kGrouped2, u".00"}, {u".5", kPlain2, u"0.50"},
      {u"10%", kPercent, u"10%"}, {u"", kPlain3, u""}, {u"abc", kGrouped2, u"abc"},
      {u"abc", kGrouped1, u"abc"}, {u"abc", kPlain2, u"abc"}, {u"abc", kPlain3, u"abc"},
      {u"abc", kPlain5, u"abc"}, {u"abc", kPercent, u"abc"}, {u"1e3", kPlain2, u"1e3"},
      {u"１", kPlain2, u"１"}, {u"1,", kPlain2, u"1,"},
  };
  for (const TextRow& row : rows) {
    EXPECT_EQ(format(row.text, row.pattern), row.shown)
        << narrow(row.text) << " " << narrow(patternText(row.pattern));
  }
  const std::u16string tooLarge = u"1" + std::u16string(400, u'0');
  EXPECT_EQ(format(tooLarge, kPlain2), tooLarge);
}

}  // namespace
}  // namespace numeric
