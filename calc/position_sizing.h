#pragma once

#include "calc/fields.h"
#include "calc/statements.h"

namespace calc {

// Reads the ten inputs and computes and shows the eight results: statements 4 to 49 of
// the click, each under the runner's continuation.
void showPositionSize(Fields& fields, Statements& run);

}  // namespace calc
