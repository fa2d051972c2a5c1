#pragma once

#include "calc/field_texts.h"
#include "calc/statements.h"

namespace calc {

// Results computed from an unreadable input, from a typed combo text that is no item, or
// by a statement that failed must not stay on display: the first such fault in window
// order (or else kCannotComputeMessage) goes on Label1 and the results are
// emptied. Runs only when no check row failed in the same click.
void withholdUnsoundResults(FieldTexts& fields, Statements& run);

}  // namespace calc
