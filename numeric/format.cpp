#include "numeric/format.h"

#include <array>
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
struct Shape {
  int minimumIntegerDigits = 0;
  bool grouped = false;
  int decimals = 0;
  bool percent = false;
};

// Evaluated while the program is built: a pattern it cannot read stops the build.
constexpr Shape readPattern(std::u16string_view text) {
  Shape shape;
  bool afterPoint = false;
  bool anyPlaceholder = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'%' && i + 1 == text.size()) {
      shape.percent = true;
    } else if (c == u'.' && !afterPoint) {
      afterPoint = true;
    } else if (c == u'0') {
      ++(afterPoint ? shape.decimals : shape.minimumIntegerDigits);
      anyPlaceholder = true;
    } else if ((c == u'#' || c == u',') && !afterPoint) {
      shape.grouped = shape.grouped || c == u',';
      anyPlaceholder = anyPlaceholder || c == u'#';
    } else {
      throw std::invalid_argument("unsupported display pattern");
    }
  }
  if (!anyPlaceholder) throw std::invalid_argument("display pattern without digits");
  return shape;
}

struct PatternRow {
  Pattern pattern;
  std::u16string_view text;
  Shape shape;
};

constexpr PatternRow row(Pattern pattern, std::u16string_view text) {
  return {pattern, text, readPattern(text)};
}

constexpr std::array<PatternRow, 6> kPatterns{{
    row(Pattern::Grouped2, u"#,###,###.00"),
    row(Pattern::Grouped1, u"#,###,###.0"),
    row(Pattern::Plain2, u"#0.00"),
    row(Pattern::Plain3, u"#0.000"),
    row(Pattern::Plain5, u"#0.00000"),
    row(Pattern::Percent, u"###%"),
}};

constexpr const PatternRow& rowOf(Pattern pattern) {
  return kPatterns[static_cast<std::size_t>(pattern)];
}
static_assert([] {
  for (std::size_t i = 0; i < kPatterns.size(); ++i) {
    if (static_cast<std::size_t>(kPatterns[i].pattern) != i) return false;
  }
  return true;
}(), "kPatterns lists the patterns in the enumeration's order");

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
std::u16string layOut(Decimal value, Pattern pattern) {
  const Shape& shape = rowOf(pattern).shape;
  if (shape.percent) value.exponent += 2;
  const Decimal shown =
      detail::rounded(std::move(value), shape.decimals, detail::Rounding::HalfAwayFromZero);
  const detail::PointSplit split = detail::splitAtPoint(shown);

  std::string integer = split.integer;
  if (integer.size() < std::size_t(shape.minimumIntegerDigits)) {
    integer.insert(0, std::size_t(shape.minimumIntegerDigits) - integer.size(), '0');
  }
  std::string text = shown.negative && !detail::isZero(shown) ? "-" : "";
  text += shape.grouped ? grouped(integer) : integer;
  if (shape.decimals > 0) text += "." + split.fraction;
  if (shape.percent) text += '%';
  return detail::widen(text);
}

}  // namespace

std::u16string format(Currency value, Pattern pattern) {
  return layOut(detail::exactDecimal(value), pattern);
}

std::u16string format(double value, Pattern pattern) {
  return layOut(detail::fifteenDigits(value), pattern);
}

std::u16string format(std::u16string_view text, Pattern pattern) {
  const std::optional<Decimal> number = detail::readNumber(text);
  const std::optional<double> value = number ? detail::nearestDouble(*number) : std::nullopt;
  if (!value) return std::u16string(text);
  return format(*value, pattern);
}

}  // namespace numeric
