#include "numeric/text_ops.h"

#include <algorithm>

#include "numeric/decimal.h"

namespace numeric {

// Plain decimal of the 15-digit value, trailing fraction zeros dropped.
std::u16string toText(double value) {
  detail::Decimal decimal = detail::fifteenDigits(value);
  if (detail::isZero(decimal)) return u"0";
  while (decimal.digits.back() == '0') {
    decimal.digits.pop_back();
    ++decimal.exponent;
  }
  const detail::PointSplit split = detail::splitAtPoint(decimal);
  std::string text = decimal.negative ? "-" : "";
  text += split.integer.empty() ? "0" : split.integer;
  if (!split.fraction.empty()) text += "." + split.fraction;
  return detail::widen(text);
}

std::u16string removePercent(std::u16string_view text) {
  std::u16string kept(text);
  std::erase(kept, u'%');
  return kept;
}

std::u16string_view lastChar(std::u16string_view text) {
  return text.empty() ? text : text.substr(text.size() - 1);
}

}  // namespace numeric
