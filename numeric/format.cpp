#include "numeric/format.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "numeric/decimal.h"
#include "numeric/number_grammar.h"

namespace numeric {
namespace {

using detail::Decimal;

// What a display pattern asks for: "0"s before the point are integer digits always
// shown, a "," turns on grouping in threes, "0"s after the point are the decimals, and
// a closing "%" shows the value times 100 followed by "%".
struct Pattern {
  int minimumIntegerDigits = 0;
  bool grouped = false;
  int decimals = 0;
  bool percent = false;
};

Pattern readPattern(std::u16string_view text) {
  Pattern pattern;
  bool afterPoint = false;
  bool anyPlaceholder = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'%' && i + 1 == text.size()) {
      pattern.percent = true;
    } else if (c == u'.' && !afterPoint) {
      afterPoint = true;
    } else if (c == u'0') {
      ++(afterPoint ? pattern.decimals : pattern.minimumIntegerDigits);
      anyPlaceholder = true;
    } else if ((c == u'#' || c == u',') && !afterPoint) {
      pattern.grouped = pattern.grouped || c == u',';
      anyPlaceholder = anyPlaceholder || c == u'#';
    } else {
      throw std::invalid_argument("unsupported display pattern");
    }
  }
  if (!anyPlaceholder) throw std::invalid_argument("display pattern without digits");
  return pattern;
}

std::string grouped(const std::string& digits) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

// Rounded half away from zero at the pattern's decimals; "%" shifts the point by two
// first, exactly. A value that rounds to zero loses its sign.
std::u16string layOut(Decimal value, std::u16string_view patternText) {
  const Pattern pattern = readPattern(patternText);
  if (pattern.percent) value.exponent += 2;
  const Decimal shown =
      detail::rounded(std::move(value), pattern.decimals, detail::Rounding::HalfAwayFromZero);
  const detail::PointSplit split = detail::splitAtPoint(shown);

  std::string integer = split.integer;
  if (integer.size() < std::size_t(pattern.minimumIntegerDigits)) {
    integer.insert(0, std::size_t(pattern.minimumIntegerDigits) - integer.size(), '0');
  }
  std::string text = shown.negative && !detail::isZero(shown) ? "-" : "";
  text += pattern.grouped ? grouped(integer) : integer;
  if (pattern.decimals > 0) text += "." + split.fraction;
  if (pattern.percent) text += '%';
  return detail::widen(text);
}

Decimal exactDecimal(Currency value) {
  const std::int64_t scaled = value.scaled();
  // The magnitude of the lowest value does not fit a signed 64-bit integer.
  const std::uint64_t magnitude =
      scaled < 0 ? std::uint64_t(0) - std::uint64_t(scaled) : std::uint64_t(scaled);
  return Decimal{scaled < 0, std::to_string(magnitude), -4};
}

}  // namespace

std::u16string format(Currency value, std::u16string_view pattern) {
  return layOut(exactDecimal(value), pattern);
}

std::u16string format(double value, std::u16string_view pattern) {
  return layOut(detail::fifteenDigits(value), pattern);
}

std::u16string format(std::u16string_view text, std::u16string_view pattern) {
  const std::optional<Decimal> number = detail::readNumber(text);
  const std::optional<double> value = number ? detail::nearestDouble(*number) : std::nullopt;
  if (!value) return std::u16string(text);
  return format(*value, pattern);
}

}  // namespace numeric
