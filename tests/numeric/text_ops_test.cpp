#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "numeric/text_ops.h"
#include "test_support.h"

namespace numeric {
namespace {

TEST(DoubleToText, FifteenSignificantDigitsInPlainDecimal) {
  struct Row { double value; std::u16string text; };
  const Row rows[] = {
      {0.1, u"0.1"}, {130.5, u"130.5"}, {1.3, u"1.3"}, {1000, u"1000"},
      {123.44999999999999, u"123.45"}, {0.0, u"0"}, {-0.0, u"0"}, {-2.5, u"-2.5"},
      {0.1 + 0.2, u"0.3"}, {1.0 / 3.0, u"0.333333333333333"}, {-2.0 / 3.0, u"-0.666666666666667"},
      {1e20, u"100000000000000000000"}, {1e-18, u"0.000000000000000001"},
      {123456789012345678.0, u"123456789012346000"}, {999999999999999.5, u"1000000000000000"},
      {0.000123456789012345678, u"0.000123456789012346"}, {-1e-5, u"-0.00001"},
      {std::numeric_limits<double>::max(), u"179769313486232" + std::u16string(294, u'0')},
      {std::numeric_limits<double>::denorm_min(),
       u"0." + std::u16string(323, u'0') + u"494065645841247"},
  };
  for (const Row& row : rows) EXPECT_EQ(toText(row.value), row.text) << row.value;

  expectError(ErrorKind::Overflow, [] { return toText(std::numeric_limits<double>::infinity()); },
              "infinity");
}

TEST(RemovePercent, RemovesEveryHalfWidthPercentSign) {
  struct Row { std::u16string_view text, kept; };
  const Row rows[] = {
      {u"10%", u"10"}, {u"%%1%0%", u"10"}, {u"", u""}, {u"abc", u"abc"}, {u"５０％", u"５０％"},
  };
  for (const Row& row : rows) EXPECT_EQ(removePercent(row.text), row.kept) << narrow(row.text);
}

TEST(LastChar, IsTheLastCodeUnit) {
  struct Row { std::u16string_view text, last; };
  const Row rows[] = {
      {u"", u""}, {u"abc", u"c"}, {u"10%", u"%"}, {u"ドル", u"ル"}, {u"a\U0002000B", u"\xDC0B"},
  };
  for (const Row& row : rows) EXPECT_EQ(lastChar(row.text), row.last) << narrow(row.text);
}

}  // namespace
}  // namespace numeric
