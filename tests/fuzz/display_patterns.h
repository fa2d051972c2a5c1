#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reference_decimal.h"

namespace qelmar_fuzz {

struct DisplayPattern {
  std::u16string_view pattern;
  int decimals;
  bool grouped;      // "#,###,###": threes with ",", no leading zero
  bool leadingZero;  // "#0": at least one integer digit
  bool percent;      // "###%": times 100, a trailing "%", no digit for zero
};

inline constexpr std::array<DisplayPattern, 6> kDisplayPatterns{{
    {u"#,###,###.00", 2, true, false, false},
    {u"#,###,###.0", 1, true, false, false},
    {u"#0.00", 2, false, true, false},
    {u"#0.000", 3, false, true, false},
    {u"#0.00000", 5, false, true, false},
    {u"###%", 0, false, false, true},
}};

const DisplayPattern& displayPattern(std::u16string_view pattern);

// The number a formatted text shows (for a percent text, the number before its "%"),
// or how its shape breaks the pattern.
struct Shown {
  std::optional<Dec> value;
  std::string problem;
};
Shown readFormatted(std::u16string_view text, const DisplayPattern& pattern);

// What Format must show: the exact value rounded half away from zero to the pattern's
// decimals (for the percent pattern, the value times 100 to a whole number).
Dec expectedShown(const Dec& exact, const DisplayPattern& pattern);

}  // namespace qelmar_fuzz
