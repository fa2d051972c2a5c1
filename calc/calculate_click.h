#pragma once

#include "calc/field_texts.h"

namespace calc {

// The handler of the 計算 button: normalise the inputs, read them, compute and show the
// eight results, then check the inputs. Never throws.
void 計算_Click(FieldTexts& fields);

}  // namespace calc
