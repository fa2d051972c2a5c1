#include "calc/window_events.h"

#include "calc/click_statements.h"
#include "calc/gathered_writes.h"
#include "calc/normalization.h"
#include "numeric/numeric_error.h"

namespace calc {

void Form_Load(FieldTexts& window) {
  try {
    normalizeInputs(window);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed.
  }
}

void 計算_Click(FieldTexts& window) {
  GatheredWrites click(window);
  runClickStatements(click);
  click.apply();
}

void 取引通貨Combo_Change(FieldTexts& window) {
  GatheredWrites change(window);
  try {
    rescaleTradeRate(change);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed; what it wrote before still reaches the window.
  }
  change.apply();
}

}  // namespace calc
