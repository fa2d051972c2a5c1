#pragma once

#include "calc/field_texts.h"
#include "calc/statements.h"

namespace calc {

// Reads the ten inputs, then computes and shows the eight results: the statements from
// kFirstReading to kLastResult, each under the runner's continuation. Every result field
// is written, with the value its statements left (0 where they all failed).
void showPositionSize(FieldTexts& fields, Statements& run);

}  // namespace calc
