#include "calc/unsound_results.h"

#include <algorithm>
#include <optional>
#include <string>

#include "calc/input_checks.h"
#include "form/window_table.h"
#include "numeric/text_conversion.h"

namespace calc {

using form::Field;
using form::allFields;
using form::comboItems;
using form::isInput;

namespace {

// The rule closes the check sequence.
constexpr Statement kRule = Statement::CheckSequence;

bool isItem(Field combo, const std::u16string& text) {
  const auto items = comboItems(combo);
  return std::find(items.begin(), items.end(), text) != items.end();
}

bool faulty(Field input, const FieldTexts& fields, const Statements& run) {
  switch (input) {
    case Field::口座種別Combo:
    case Field::取引通貨Combo: return !isItem(input, fields.text(input));
    // Any number of units, not only an item: a trader may type 100000. A number too large
    // to compute with is left to the statements that fail on it.
    case Field::通貨単位Combo: return !numeric::isNumber(fields.text(input));
    default: return run.unreadable(input);
  }
}

std::optional<std::u16string_view> firstFault(const FieldTexts& fields, const Statements& run) {
  for (Field field : allFields()) {
    if (isInput(field) && faulty(field, fields, run)) return askFor(field);
  }
  if (run.anyFailedIn(kFirstReading, kLastResult)) return kCannotComputeMessage;
  return std::nullopt;
}

}  // namespace

void withholdUnsoundResults(FieldTexts& fields, Statements& run) {
  std::optional<std::u16string_view> message;
  run(kRule, [&] { message = firstFault(fields, run); });
  if (!message) return;
  run(kRule, [&] { fields.setText(Field::Label1, std::u16string(*message)); });
  run(kRule, [&] { clearResults(fields); });
}

}  // namespace calc
