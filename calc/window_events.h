#pragma once

#include "calc/field_texts.h"

namespace calc {

// What a window runs for its three events, the same for every toolkit. A click's and a
// typed pair kind's writes reach the window once, at the end (GatheredWrites), so that a
// screen reader hears only their outcome.

// Form_Load's last step, after the lists are filled: the inputs normalised. The first
// numeric error ends it; the fields keep what it had written.
void finishFormLoad(FieldTexts& window);

// 計算 pressed. Returns whether the click left the very message the line held before:
// the line's text then does not change, and the window must tell a screen reader again
// that the fault stands.
bool calculateClicked(FieldTexts& window);

// The user changed 取引通貨Combo's text. The first numeric error ends the handler; the
// fields keep what it had written.
void tradeKindTyped(FieldTexts& window);

}  // namespace calc
