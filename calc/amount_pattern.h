#pragma once

#include "numeric/format.h"

namespace calc {

// Every money amount the window shows, the balance and four of the results.
inline constexpr numeric::Pattern kAmountPattern = numeric::Pattern::Grouped2;

}  // namespace calc
