#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/field_texts.h"

namespace qelmar_fuzz {

// Any text through the three conversions, Format and Double to text: only values or
// NumericErrors come out, and what Format shows reads back as the value rounded to the
// pattern. Empty when all holds; otherwise what broke.
std::string checkNumberText(std::u16string_view text);

// What is wrong with the window after a click: not one of the two states (eight results
// and no message, or a known message and no results), or a result of the wrong shape.
// Empty when nothing is.
std::string clickStateFault(const calc::FieldTexts& fields);

// The window after start-up, the fuzz input (UTF-16, see fuzz_input.h) split at U+000A
// typed into the ten inputs and then the eight results (a paste reaches them too), and
// 計算 pressed. An odd last byte holds switches: 1 runs 取引通貨Combo_Change first, 2
// presses 計算 twice. Empty when no exception escapes and every click leaves a sound
// state; otherwise what broke. `message` receives the final Label1.
std::string checkClick(std::span<const std::uint8_t> bytes, std::u16string* message = nullptr);

}  // namespace qelmar_fuzz
