#include "numeric/decimal.h"

#include <cmath>
#include <compare>
#include <cstdint>
#include <utility>

#include "numeric/double_conversion.h"
#include "numeric/numeric_error.h"

namespace numeric::detail {
namespace {

// Adds one unit in the last place of a digit string.
void increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The dropped digits against "5000...": half a unit of the last kept digit.
std::strong_ordering againstHalf(std::string_view dropped) {
  if (dropped.front() != '5') return dropped.front() <=> '5';
  const bool aboveHalf = dropped.substr(1).find_first_not_of('0') != std::string_view::npos;
  return aboveHalf ? std::strong_ordering::greater : std::strong_ordering::equal;
}

}  // namespace

Decimal rounded(Decimal value, int decimals, Rounding rule) {
  const int target = -decimals;
  if (value.exponent >= target) {
    value.digits.append(static_cast<std::size_t>(value.exponent - target), '0');
    value.exponent = target;
    return value;
  }
  const auto dropCount = static_cast<std::size_t>(target - value.exponent);
  // Keep at least one digit so a value below the last place can round up into it.
  if (value.digits.size() <= dropCount) {
    value.digits.insert(0, dropCount - value.digits.size() + 1, '0');
  }
  const std::size_t keepCount = value.digits.size() - dropCount;
  const std::string_view dropped = std::string_view(value.digits).substr(keepCount);
  const bool keptIsOdd = (value.digits[keepCount - 1] - '0') % 2 == 1;
  const bool up = roundsUp(rule, againstHalf(dropped), keptIsOdd);
  value.digits.resize(keepCount);
  if (up) increment(value.digits);
  value.exponent = target;
  return value;
}

bool isZero(const Decimal& value) {
  return value.digits.find_first_not_of('0') == std::string::npos;
}

Decimal exactDecimal(Currency value) {
  const std::int64_t scaled = value.scaled();
  // The magnitude of the lowest value does not fit a signed 64-bit integer.
  const std::uint64_t magnitude =
      scaled < 0 ? std::uint64_t(0) - std::uint64_t(scaled) : std::uint64_t(scaled);
  return Decimal{scaled < 0, std::to_string(magnitude), -Currency::kDecimals};
}

PointSplit splitAtPoint(const Decimal& value) {
  PointSplit split;
  if (value.exponent >= 0) {
    split.integer = value.digits + std::string(static_cast<std::size_t>(value.exponent), '0');
  } else {
    const auto fractionCount = static_cast<std::size_t>(-value.exponent);
    if (value.digits.size() > fractionCount) {
      split.integer = value.digits.substr(0, value.digits.size() - fractionCount);
      split.fraction = value.digits.substr(value.digits.size() - fractionCount);
    } else {
      split.fraction =
          std::string(fractionCount - value.digits.size(), '0') + value.digits;
    }
  }
  split.integer.erase(0, split.integer.find_first_not_of('0'));
  return split;
}

Decimal fifteenDigits(double value) {
  if (!std::isfinite(value)) throw NumericError(ErrorKind::Overflow);
  SignificantDigits significant = fifteenSignificantDigits(value);
  return Decimal{std::signbit(value), std::move(significant.digits), significant.exponent - 14};
}

std::optional<double> nearestDouble(const Decimal& value) {
  const double magnitude = nearestMagnitude(value.digits, value.exponent);
  if (std::isinf(magnitude)) return std::nullopt;
  return value.negative ? -magnitude : magnitude;
}

std::u16string widen(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace numeric::detail
