#pragma once

#include <string>
#include <string_view>

namespace qelmar_fuzz {

// Runs any text through the three conversions, Format with every display pattern, and
// Double to text, against the oracle of reference_decimal.h. Empty when all holds;
// otherwise what broke, for a person to read.
std::string checkNumberText(std::u16string_view text);

}  // namespace qelmar_fuzz
