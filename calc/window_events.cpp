#include "calc/window_events.h"

#include <string>

#include "calc/click_statements.h"
#include "calc/gathered_writes.h"
#include "calc/normalization.h"
#include "numeric/numeric_error.h"

namespace calc {

using form::Field;

void Form_Load(FieldTexts& window) {
  try {
    normalizeInputs(window);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed.
  }
}

ClickOutcome 計算_Click(FieldTexts& window) {
  const std::u16string lastMessage = window.text(Field::Label1);
  GatheredWrites click(window);
  runClickStatements(click);
  click.apply();
  const std::u16string message = window.text(Field::Label1);
  return {.messageRepeated = !message.empty() && message == lastMessage};
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
