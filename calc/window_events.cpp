#include "calc/window_events.h"

#include <string>

#include "calc/calculate_click.h"
#include "calc/gathered_writes.h"
#include "calc/normalization.h"
#include "numeric/numeric_error.h"

namespace calc {

using form::Field;

void finishFormLoad(FieldTexts& window) {
  try {
    normalizeInputs(window);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed.
  }
}

bool calculateClicked(FieldTexts& window) {
  const std::u16string lastMessage = window.text(Field::Label1);
  GatheredWrites click(window);
  計算_Click(click);
  click.apply();
  const std::u16string message = window.text(Field::Label1);
  return !message.empty() && message == lastMessage;
}

void tradeKindTyped(FieldTexts& window) {
  GatheredWrites change(window);
  try {
    取引通貨Combo_Change(change);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed; what it wrote before still reaches the window.
  }
  change.apply();
}

}  // namespace calc
