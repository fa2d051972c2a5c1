#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numeric/text_conversion.h"
#include "test_support.h"

namespace numeric {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::u16string digits(std::size_t count, char16_t digit) { return std::u16string(count, digit); }

TEST(NumberGrammar, RefusesEverythingButBlanksSignDigitsCommasAndPoint) {
  const std::u16string_view refused[] = {
      u"", u" ", u"   ", u".", u"-", u"+", u"-.", u" . ",
      u"1,", u",1", u"1,.5", u",", u"1,000,", u"1.5,0", u".,5",
      u"1.2.3", u"1..2", u"10%", u"%10", u"1e3", u"1E3", u"0x10",
      u"\t1", u"1\t", u"1\n", u"\u00A01", u"\u30001",
      u"+-1", u"-+1", u"--1", u"- 1", u"+ 1", u"1-", u"1 000", u"1 .5",
      u"１", u"1２", u"$1", u"(1)", u"abc", u"円",
      std::u16string_view(u"1\0", 2),
  };
  for (const std::u16string_view text : refused) {
    expectError(ErrorKind::TypeMismatch, [&] { return toCurrency(text); }, narrow(text));
    expectError(ErrorKind::TypeMismatch, [&] { return toLong(text); }, narrow(text));
    expectError(ErrorKind::TypeMismatch, [&] { return toDouble(text); }, narrow(text));
  }
}

TEST(TextToCurrency, ExactDecimalRoundedToFourPlacesTiesToEven) {
  struct Row { std::u16string_view text; std::int64_t scaled; };
  const Row rows[] = {
      {u"10,000.00", 100000000}, {u" 42 ", 420000}, {u".5", 5000}, {u"5.", 50000},
      {u"+7", 70000}, {u"-.5", -5000}, {u"-0", 0}, {u"00012", 120000},
      {u"1,,000", 10000000}, {u"1,234,567.50", 12345675000}, {u"  -3  ", -30000},
      {u"1.23455", 12346}, {u"1.23445", 12344}, {u"-1.23455", -12346}, {u"-1.23445", -12344},
      {u"1.234450000000000000000001", 12345}, {u"0.00005", 0}, {u"0.00015", 2},
      {u"0.99995", 10000}, {u"0.000049999", 0},
      {u"922,337,203,685,477.5807", kMax}, {u"922337203685477.58074", kMax},
      {u"-922337203685477.5808", kMin}, {u"-922,337,203,685,477.58084", kMin},
      {u"-922337203685477.58085", kMin},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(toCurrency(row.text), Currency::fromScaled(row.scaled)) << narrow(row.text);
  }

  const std::u16string tooLarge[] = {
      u"922337203685477.5808", u"922337203685477.58075", u"-922337203685477.5809",
      u"-922337203685477.580851", u"99999999999999999999999", u"1" + digits(40, u'0'),
  };
  for (const std::u16string& text : tooLarge) {
    expectError(ErrorKind::Overflow, [&] { return toCurrency(text); }, narrow(text));
  }
}

TEST(TextToLong, ExactDecimalRoundedToAnIntegerTiesToEven) {
  struct Row { std::u16string_view text; std::int32_t value; };
  const Row rows[] = {
      {u"100", 100}, {u"2.5", 2}, {u"3.5", 4}, {u"-2.5", -2}, {u"-3.5", -4},
      {u"2.5000000000000000001", 3}, {u"0.5", 0}, {u"1.5", 2}, {u"1,000", 1000},
      {u"2147483647", 2147483647}, {u"2147483646.5", 2147483646},
      {u"-2147483648", -2147483647 - 1}, {u"-2147483647.5", -2147483647 - 1},
      {u"-2147483648.5", -2147483647 - 1},
  };
  for (const Row& row : rows) EXPECT_EQ(toLong(row.text), row.value) << narrow(row.text);

  const std::u16string_view tooLarge[] = {
      u"3000000000", u"2147483648", u"2147483647.5", u"-2147483649", u"-2147483648.51",
  };
  for (const std::u16string_view text : tooLarge) {
    expectError(ErrorKind::Overflow, [&] { return toLong(text); }, narrow(text));
  }
}

TEST(TextToDouble, CorrectlyRoundedFromTheExactDecimal) {
  const double maxDouble = std::numeric_limits<double>::max();
  const double denormMin = std::numeric_limits<double>::denorm_min();
  struct Row { std::u16string text; double value; };
  const Row rows[] = {
      {u"1.5", 1.5}, {u"0.1", 0.1}, {u"10,000.25", 10000.25}, {u" -.5 ", -0.5},
      {u"9007199254740993", 9007199254740992.0},  // 2^53 + 1 ties to even
      {u"9007199254740993.00000000000000000001", 9007199254740994.0},
      {u"179769313486231570" + digits(291, u'0'), maxDouble},
      {u"0." + digits(323, u'0') + u"3", denormMin},
      {u"0." + digits(323, u'0') + u"24703282292062328", denormMin},
      {u"0." + digits(323, u'0') + u"24703282292062327", 0.0},  // just below half: no error
      {u"0." + digits(400, u'0') + u"1", 0.0},
  };
  for (const Row& row : rows) EXPECT_EQ(toDouble(row.text), row.value) << narrow(row.text);
  EXPECT_TRUE(std::signbit(toDouble(u"-0")));
  EXPECT_TRUE(std::signbit(toDouble(u"-0." + digits(400, u'0') + u"1")));

  const std::u16string tooLarge[] = {
      u"1" + digits(309, u'0'),
      u"-1" + digits(309, u'0'),
      u"179769313486231580793728971405303415079934132710037826936173778980444968292764750"
      u"946649017977587207096330286416692887910946555547851940402630657488671505820681908"
      u"902000708383676273854845817711531764475730270069855571366959622842914819860834936"
      u"475292719074168444365510704342711559699508093042880177904174497792",  // rounds up past the largest
  };
  for (const std::u16string& text : tooLarge) {
    expectError(ErrorKind::Overflow, [&] { return toDouble(text); }, narrow(text).substr(0, 20));
  }
}

}  // namespace
}  // namespace numeric
