#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/checked_double.h"
#include "test_support.h"

namespace numeric {
namespace {

TEST(CheckedDouble, ZeroDivisorRaisesDivisionByZero) {
  const double dividends[] = {1.0, 0.0, -1.0, 1e-300};
  for (const double dividend : dividends) {
    expectError(ErrorKind::DivisionByZero,
                [&] { return CheckedDouble(dividend) / CheckedDouble(0.0); },
                std::to_string(dividend) + " / 0");
    expectError(ErrorKind::DivisionByZero,
                [&] { return CheckedDouble(dividend) / CheckedDouble(-0.0); },
                std::to_string(dividend) + " / -0");
  }
}

TEST(CheckedDouble, NonFiniteResultRaisesOverflow) {
  const CheckedDouble big = 1e308;
  expectError(ErrorKind::Overflow, [&] { return big * CheckedDouble(10.0); }, "1e308 * 10");
  expectError(ErrorKind::Overflow, [&] { return CheckedDouble(-1e308) * CheckedDouble(10.0); },
              "-1e308 * 10");
  expectError(ErrorKind::Overflow, [&] { return big + big; }, "1e308 + 1e308");
  expectError(ErrorKind::Overflow, [&] { return CheckedDouble(-1e308) - big; }, "-1e308 - 1e308");
  expectError(ErrorKind::Overflow, [&] { return big / CheckedDouble(1e-10); }, "1e308 / 1e-10");
}

TEST(CheckedDouble, InexactAndUnderflowingResultsPass) {
  EXPECT_EQ((CheckedDouble(0.1) + CheckedDouble(0.2)).value(), 0.1 + 0.2);
  EXPECT_EQ((CheckedDouble(1e-300) * CheckedDouble(1e-300)).value(), 0.0);
  EXPECT_EQ((CheckedDouble(1e-308) / CheckedDouble(1e10)).value(), 1e-308 / 1e10);
  EXPECT_EQ((CheckedDouble(1.0) / CheckedDouble(3.0)).value(), 1.0 / 3.0);
  EXPECT_EQ((dbl(Currency::fromScaled(12345)) - dbl(1)).value(), 1.2345 - 1.0);
}

TEST(CurrencyToDouble, RoundsTheExactValueOnce) {
  struct Row { std::int64_t scaled; double value; };
  const Row rows[] = {
      {12345, 1.2345},
      {-5000, -0.5},
      {1000, 0.1},
      {std::numeric_limits<std::int64_t>::max(), 922337203685477.5807},
      // Converting the integer to a Double first would round twice and give .5.
      {-7288359597248365651, -728835959724836.625},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(dbl(Currency::fromScaled(row.scaled)).value(), row.value) << row.scaled;
  }
}

TEST(DoubleToCurrency, RoundsTheBinaryProductToAnIntegerTiesToEven) {
  struct Row { double value; std::int64_t scaled; };
  const Row rows[] = {
      {0.00625, 62},  // product exactly 62.5
      {0.03125, 312},
      {0.09375, 938},
      {-0.00625, -62},
      {0.00005, 0},
      {0.00025, 2},
      {0.00035, 4},
      {2.00005, 20000},
      {1.00005, 10001},  // the product 10000.500000000002 lies above the tie
      {0.00014999999999999999, 1},
      {1.5, 15000},
      {-0.0, 0},
      {922337203685477.5, 9223372036854774784},
      {-922337203685477.5808, std::numeric_limits<std::int64_t>::min()},
  };
  for (const Row& row : rows) EXPECT_EQ(cur(row.value), Currency::fromScaled(row.scaled)) << row.value;

  const double outside[] = {922337203685477.6, -922337203685477.7, 1e300, -1e300, 1e305};
  for (const double value : outside) {
    expectError(ErrorKind::Overflow, [&] { return cur(value); }, std::to_string(value));
  }
}

TEST(DoubleWithCurrency, ComparesTheDoubleValues) {
  struct Row { double left; std::int64_t right; std::partial_ordering order; };
  const Row rows[] = {
      {1.5, 15000, std::partial_ordering::equivalent},
      {0.1, 1000, std::partial_ordering::equivalent},
      {1.4999, 15000, std::partial_ordering::less},
      {1.50001, 15000, std::partial_ordering::greater},
      {-1.0, 0, std::partial_ordering::less},
      {std::nan(""), 0, std::partial_ordering::unordered},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(compare(row.left, Currency::fromScaled(row.right)), row.order) << row.left;
  }
}

}  // namespace
}  // namespace numeric
