#pragma once

#include <string>
#include <string_view>

namespace numeric {

// 15 significant digits, correctly rounded, plain decimal (never exponent form), trailing
// fraction zeros dropped, "0" before the point below 1, "-0" written "0". Overflow for a
// non-finite value.
std::u16string toText(double value);

// Every "%" removed.
std::u16string removePercent(std::u16string_view text);
// The last UTF-16 code unit as a text; the empty text for an empty text.
std::u16string_view lastChar(std::u16string_view text);

}  // namespace numeric
