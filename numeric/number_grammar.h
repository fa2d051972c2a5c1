#pragma once

#include <string_view>

#include "numeric/decimal.h"

namespace numeric::detail {

// The exact decimal a field text stands for, read with the number grammar (see
// text_conversion.h); TypeMismatch for any other text.
Decimal readNumber(std::u16string_view text);

}  // namespace numeric::detail
