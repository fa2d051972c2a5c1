#pragma once

#include "calc/fields.h"

namespace calc {

// These have no error handling of their own: the first numeric::NumericError ends them,
// fields rewritten before it keep their new texts, and the caller decides what follows.

// Re-formats the balance, the USD/JPY rate, the two percentages and the trade rate.
void normalizeInputs(Fields& fields);
// Moves the trade rate to the scale of the pair kind and formats it.
void rescaleTradeRate(Fields& fields);
// The handler of a user edit of 取引通貨Combo's text.
void 取引通貨Combo_Change(Fields& fields);

}  // namespace calc
