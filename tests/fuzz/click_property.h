#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "calc/fields.h"

namespace qelmar_fuzz {

// What is wrong with the window a click left: not one of the two states, a result that is
// no formatted number with its suffix, results shown from a faulty input, a message that
// names no faulty field. Empty when nothing is.
std::vector<std::string> judgeClickState(const calc::Fields& fields);

// The window after start-up, the fuzz input typed into it, then 計算 pressed (twice when
// asked). The input is UTF-16 (see fuzz_input.h) split at U+000A: the pieces go to the ten
// inputs in window order, then to the eight results (a user may type there too). An odd
// last byte holds switches: 1 runs 取引通貨Combo_Change first, 2 presses 計算 again.
// Empty when every click ends in one of the two states with sound texts; otherwise what
// broke.
std::string checkClick(std::span<const std::uint8_t> bytes);

}  // namespace qelmar_fuzz
