#pragma once

#include "calc/field_texts.h"

namespace calc {

// The handlers of the window's three events, the same for every toolkit: each window's
// handler of the same name calls its own here. A click's and a typed pair kind's writes
// reach the window once, at the end (GatheredWrites), so that a screen reader hears only
// their outcome. None of them throws a numeric error.

// Form_Load's work once the window has filled the combo boxes' lists: the inputs
// normalised. The first numeric error ends it; the fields keep what it had written.
void Form_Load(FieldTexts& window);

// 計算 pressed: the click's statements (click_statements.h). A message the line held
// already is not written again; telling a screen reader that it stands is the window's.
void 計算_Click(FieldTexts& window);

// The user changed 取引通貨Combo's text: the trade rate rescaled to the pair kind
// (rescaleTradeRate). The first numeric error ends it; the fields keep what it had written.
void 取引通貨Combo_Change(FieldTexts& window);

}  // namespace calc
