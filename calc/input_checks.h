#pragma once

#include <string_view>

#include "calc/fields.h"
#include "calc/statements.h"

namespace calc {

// True when every character is a half-width digit, "," "." or "%"; true for the empty text.
bool myNumeric(std::u16string_view inString);

// Empties the eight result fields, in result order; Label1 and the inputs are left alone.
void clearResults(Fields& fields);

// Runs every row of the check table in order; each failing row puts its message on Label1
// and empties the results. Returns whether any row failed.
bool runInputChecks(Fields& fields, Statements& run);

// The message that asks for an input field: a text box's "…を半角数字で入力してください",
// a combo box's "…を選択してください".
std::u16string_view askFor(Field input);

}  // namespace calc
