#pragma once

#include "calc/field_texts.h"

namespace calc {

// The statements of 計算_Click (statement_list.h), writing each text as it goes: normalise
// the inputs, read them, compute and show the eight results, then check the inputs. The
// window's handler runs them over its gathered writes (window_events.h). Never throws.
void runClickStatements(FieldTexts& fields);

}  // namespace calc
