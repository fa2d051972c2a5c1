#pragma once

#include "calc/field_texts.h"

namespace calc {

// These have no error handling of their own: the first numeric::NumericError ends them,
// fields rewritten before it keep their new texts, and the caller decides what follows.

// Re-formats the balance, the USD/JPY rate, the two percentages and the trade rate.
void normalizeInputs(FieldTexts& fields);
// Moves the trade rate to the scale of the pair kind and formats it.
void rescaleTradeRate(FieldTexts& fields);

}  // namespace calc
