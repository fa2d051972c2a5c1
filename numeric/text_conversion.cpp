#include "numeric/text_conversion.h"

#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "numeric/number_grammar.h"
#include "numeric/numeric_error.h"

namespace numeric {
namespace {

using detail::Decimal;
using detail::Rounding;

// The digit string of `whole` (its exponent ignored) as an integer in [lowest, highest].
std::int64_t integerIn(const Decimal& whole, std::int64_t lowest, std::int64_t highest) {
  const std::size_t first = whole.digits.find_first_not_of('0');
  const std::string_view digits = whole.digits;
  const std::string_view significant =
      first == std::string::npos ? std::string_view() : digits.substr(first);
  // Nineteen digits always fit 64 unsigned bits; more never fit the range.
  if (significant.size() > 19) throw NumericError(ErrorKind::Overflow);
  std::uint64_t magnitude = 0;
  for (const char digit : significant) magnitude = magnitude * 10 + std::uint64_t(digit - '0');

  const std::uint64_t limit =
      whole.negative ? std::uint64_t(-(lowest + 1)) + 1 : std::uint64_t(highest);
  if (magnitude > limit) throw NumericError(ErrorKind::Overflow);
  if (!whole.negative || magnitude == 0) return std::int64_t(magnitude);
  return -std::int64_t(magnitude - 1) - 1;
}

Decimal number(std::u16string_view text) {
  std::optional<Decimal> read = detail::readNumber(text);
  if (!read) throw NumericError(ErrorKind::TypeMismatch);
  return std::move(*read);
}

}  // namespace

Currency toCurrency(std::u16string_view text) {
  const Decimal scaled = detail::rounded(number(text), Currency::kDecimals, Rounding::HalfEven);
  return Currency::fromScaled(integerIn(scaled, std::numeric_limits<std::int64_t>::min(),
                                        std::numeric_limits<std::int64_t>::max()));
}

std::int32_t toLong(std::u16string_view text) {
  const Decimal whole = detail::rounded(number(text), 0, Rounding::HalfEven);
  return static_cast<std::int32_t>(integerIn(whole, std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max()));
}

double toDouble(std::u16string_view text) {
  const std::optional<double> value = detail::nearestDouble(number(text));
  if (!value) throw NumericError(ErrorKind::Overflow);
  return *value;
}

bool isNumber(std::u16string_view text) { return detail::readNumber(text).has_value(); }

}  // namespace numeric
