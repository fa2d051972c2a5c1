#pragma once

#include <string_view>

#include "numeric/format.h"

namespace qelmar_test {

// A display pattern as the format routine spells it, so that a failure names it.
constexpr std::u16string_view patternText(numeric::Pattern pattern) {
  using enum numeric::Pattern;
  switch (pattern) {
    case Grouped2: return u"#,###,###.00";
    case Grouped1: return u"#,###,###.0";
    case Plain2: return u"#0.00";
    case Plain3: return u"#0.000";
    case Plain5: return u"#0.00000";
    case Percent: return u"###%";
  }
  return u"?";
}

}  // namespace qelmar_test
