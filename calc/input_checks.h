#pragma once

#include <string_view>
#include <vector>

#include "calc/field_texts.h"
#include "calc/statements.h"

namespace calc {

// True when every character is a half-width digit, "," "." or "%"; true for the empty text.
bool myNumeric(std::u16string_view inString);

// Empties the eight result fields, in result order; Label1 and the inputs are left alone.
void clearResults(FieldTexts& fields);

// Runs every row of the check table in order; each failing row puts its message on Label1
// and empties the results. Returns whether any row failed.
bool runInputChecks(FieldTexts& fields, Statements& run);

// The message that asks for an input field: a text box's "…を半角数字で入力してください",
// a combo box's "…を選択してください".
std::u16string_view askFor(form::Field input);

// The message for results that could not be computed from the inputs as given.
inline constexpr std::u16string_view kCannotComputeMessage = u"入力された数値では計算できません";

// Every text a click can leave on Label1: the check table's messages in row order, then
// kCannotComputeMessage.
std::vector<std::u16string_view> everyMessage();

}  // namespace calc
