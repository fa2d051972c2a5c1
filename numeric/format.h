#pragma once

#include <string>
#include <string_view>

#include "numeric/currency.h"

namespace numeric {

// Format(value, pattern) for the display patterns "#,###,###.00", "#,###,###.0", "#0.00",
// "#0.000", "#0.00000" and "###%": rounded to the pattern's decimals half away from zero
// (a Currency from its exact four decimals, a Double from its 15-digit decimal), grouped
// in threes where the pattern has ",", no "-" on a value that rounds to zero. Overflow
// for a non-finite Double; std::invalid_argument for a pattern it cannot read.
std::u16string format(Currency value, std::u16string_view pattern);
std::u16string format(double value, std::u16string_view pattern);
// A text is read with the number grammar (as toDouble); a text that does not read comes
// back unchanged.
std::u16string format(std::u16string_view text, std::u16string_view pattern);

}  // namespace numeric
