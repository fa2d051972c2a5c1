#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "numeric/currency.h"
#include "test_support.h"

namespace numeric {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

Currency c(std::int64_t scaled) { return Currency::fromScaled(scaled); }

TEST(CurrencyAddSubtract, IsExactUpToTheRangeEnds) {
  struct Row { std::int64_t a, b, sum; };
  const Row rows[] = {
      {12345, 1, 12346},
      {kMax - 1, 1, kMax},
      {kMin + 1, -1, kMin},
      {kMax, kMin, -1},
      {-1, 1, 0},  // a carry out of the low half, a borrow into it
  };
  for (const Row& row : rows) {
    EXPECT_EQ(c(row.a) + c(row.b), c(row.sum)) << row.a << " + " << row.b;
    EXPECT_EQ(c(row.sum) - c(row.b), c(row.a)) << row.sum << " - " << row.b;
  }
  expectError(ErrorKind::Overflow, [] { return c(kMax) + c(1); }, "max + 0.0001");
  expectError(ErrorKind::Overflow, [] { return c(kMin) + c(-1); }, "min + -1");
  expectError(ErrorKind::Overflow, [] { return c(kMin) - c(1); }, "min - 0.0001");
  expectError(ErrorKind::Overflow, [] { return c(kMax) - c(kMin); }, "max - min");
}

TEST(CurrencyTimesCurrency, RoundsTheExactProductToFourDecimalsTiesToEven) {
  struct Row { std::int64_t a, b, product; };
  const Row rows[] = {
      {1, 5000, 0},           // 0.00005 ties to 0.0000
      {3, 5000, 2},           // 0.00015 ties to 0.0002
      {1, 15000, 2},          // 0.00015
      {-1, 5000, 0},
      {-3, 5000, -2},
      {1, 5001, 1},           // just above the tie
      {12345, 20000, 24690},  // 1.2345 x 2
      {1001234, 1, 100},      // 100.1234 x 0.0001 = 0.01001234
      {9000000000000000000, 5000, 4500000000000000000},  // needs more than 64 bits inside
      {kMax, 10000, kMax},
      {kMin, 10000, kMin},
      {kMin, -5000, 4611686018427387904},
      // (2^33 - 1)^2: the middle partial products carry into the high half.
      {8589934591, 8589934591, 7378697627765834},
      {-8589934591, 8589934591, -7378697627765834},
      {-8589934591, -8589934591, 7378697627765834},
      {-3, -5000, 2},
      {kMax, 5000, 4611686018427387904},  // a tie, the odd quotient goes up
      {kMax - 2, 5000, 4611686018427387902},
      {kMin + 1, 5000, -4611686018427387904},
      {kMin, -1, 922337203685478},
      {-4611686018427387904, 20000, kMin},
      {-6148914691236517205, 15000, kMin},  // -(max + 0.00005): a tie to the even min
  };
  for (const Row& row : rows) {
    EXPECT_EQ(c(row.a) * c(row.b), c(row.product)) << row.a << " x " << row.b;
    EXPECT_EQ(c(row.b) * c(row.a), c(row.product)) << row.b << " x " << row.a;
  }
  expectError(ErrorKind::Overflow, [] { return c(kMax) * c(10001); }, "max * 1.0001");
  expectError(ErrorKind::Overflow, [] { return c(kMin) * c(-10000); }, "min * -1");
  expectError(ErrorKind::Overflow, [] { return c(kMax) * c(kMax); }, "max * max");
  expectError(ErrorKind::Overflow, [] { return c(kMin) * c(kMin); }, "min * min");
  expectError(ErrorKind::Overflow, [] { return c(4611686018427387904) * c(20000); },
              "2^62 * 2, one unit past max");
  expectError(ErrorKind::Overflow, [] { return c(6148914691236517205) * c(15000); },
              "max + 0.00005, a tie up to the even one past max");
}

TEST(CurrencyTimesSmallInteger, IsExactWithinTheRange) {
  struct Row { std::int64_t a; std::int16_t factor; std::int64_t product; };
  const Row rows[] = {
      {12345, 100, 1234500},
      {-15000, -32768, 491520000},
      {92233720368547758, 100, 9223372036854775800},
      {kMin, 1, kMin},
      {kMax, -1, -kMax},
      {281474976710656, -32768, kMin},  // 2^48 x -2^15
  };
  for (const Row& row : rows) EXPECT_EQ(c(row.a) * row.factor, c(row.product)) << row.a;
  expectError(ErrorKind::Overflow, [] { return c(92233720368547759) * std::int16_t{100}; },
              "scaled 92233720368547759 * 100");
  expectError(ErrorKind::Overflow, [] { return c(kMin) * std::int16_t{-1}; }, "min * -1");
  expectError(ErrorKind::Overflow, [] { return c(-281474976710656) * std::int16_t{-32768}; },
              "-2^48 * -2^15, one unit past max");
  expectError(ErrorKind::Overflow, [] { return c(-341606371735362067) * std::int16_t{27}; },
              "one unit below min");
}

TEST(CurrencyConversions, FromLongIsExact) {
  EXPECT_EQ(fromLong(2147483647), c(21474836470000));
  EXPECT_EQ(fromLong(-2147483647 - 1), c(-21474836480000));
  EXPECT_EQ(fromLong(0), c(0));
}

}  // namespace
}  // namespace numeric
