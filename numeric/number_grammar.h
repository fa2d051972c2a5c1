#pragma once

#include <optional>
#include <string_view>

#include "numeric/decimal.h"

namespace numeric::detail {

// The exact decimal a field text stands for, read with the number grammar (see
// text_conversion.h); nothing for any other text. Format asks this of every text it is
// given, and most are no numbers ("10%"), so it does not throw.
std::optional<Decimal> readNumber(std::u16string_view text);

}  // namespace numeric::detail
