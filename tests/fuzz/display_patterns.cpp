#include "display_patterns.h"

#include <stdexcept>

namespace qelmar_fuzz {
namespace {

bool allDigits(std::u16string_view text) {
  for (const char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return false;
  }
  return true;
}

bool plainInteger(std::u16string_view text) {
  return !text.empty() && allDigits(text) && (text[0] != u'0' || text.size() == 1);
}

bool groupedInteger(std::u16string_view text) {
  if (text.empty()) return true;
  const auto first = text.find(u',');
  const auto head = text.substr(0, first);
  if (head.empty() || head.size() > 3 || !allDigits(head) || head[0] == u'0') return false;
  for (auto rest = first == std::u16string_view::npos ? std::u16string_view() : text.substr(first);
       !rest.empty(); rest.remove_prefix(4)) {
    if (rest.size() < 4 || rest[0] != u',' || !allDigits(rest.substr(1, 3))) return false;
  }
  return true;
}

}  // namespace

const DisplayPattern& displayPattern(std::u16string_view pattern) {
  for (const auto& known : kDisplayPatterns) {
    if (known.pattern == pattern) return known;
  }
  throw std::invalid_argument("not a display pattern");
}

Shown readFormatted(std::u16string_view text, const DisplayPattern& pattern) {
  std::u16string_view body = text;
  const bool negative = !body.empty() && body[0] == u'-';
  if (negative) body.remove_prefix(1);
  std::u16string_view integer;
  if (pattern.percent) {
    if (body.empty() || body.back() != u'%') return {{}, "no trailing %"};
    integer = body.substr(0, body.size() - 1);
    if (!integer.empty() && !plainInteger(integer)) return {{}, "digits before % malformed"};
    if (integer == u"0") return {{}, "a zero digit before %"};
  } else {
    const auto point = body.find(u'.');
    if (point == std::u16string_view::npos) return {{}, "no decimal point"};
    integer = body.substr(0, point);
    const auto fraction = body.substr(point + 1);
    if (fraction.size() != static_cast<std::size_t>(pattern.decimals) || !allDigits(fraction)) {
      return {{}, "fraction digits malformed"};
    }
    if (pattern.leadingZero ? !plainInteger(integer) : !groupedInteger(integer)) {
      return {{}, "integer digits malformed"};
    }
  }
  std::u16string number(text.substr(0, text.size() - (pattern.percent ? 1 : 0)));
  Dec value;
  if (!(pattern.percent && integer.empty())) {
    const auto reading = readGrammar(number);
    if (!reading) return {{}, "does not read as a number"};
    value = reading->value;
  }
  if (negative && value.isZero()) return {{}, "a minus sign on zero"};
  return {value, {}};
}

Dec expectedShown(const Dec& exact, const DisplayPattern& pattern) {
  Dec value = exact;
  if (pattern.percent && !value.isZero()) value.exponent += 2;
  return rounded(value, pattern.decimals, Rounding::HalfAwayFromZero);
}

}  // namespace qelmar_fuzz
