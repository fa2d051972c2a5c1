#include "calc/unsound_results.h"

#include <algorithm>
#include <optional>
#include <string>

#include "calc/input_checks.h"
#include "numeric/numeric_error.h"
#include "numeric/text_conversion.h"

namespace calc {
namespace {

constexpr int kRule = 50;
constexpr int kFirstReading = 4;
constexpr int kLastResult = 49;

bool isItem(Field combo, const std::u16string& text) {
  const auto items = comboItems(combo);
  return std::find(items.begin(), items.end(), text) != items.end();
}

// The lot size may be any number, not only an item: a trader may type 100000.
bool isNumber(const std::u16string& text) {
  try {
    numeric::toDouble(text);
    return true;
  } catch (const numeric::NumericError& error) {
    return error.kind() != numeric::ErrorKind::TypeMismatch;
  }
}

bool faulty(Field input, const Fields& fields, const Statements& run) {
  switch (input) {
    case Field::口座種別Combo:
    case Field::取引通貨Combo: return !isItem(input, fields.text(input));
    case Field::通貨単位Combo: return !isNumber(fields.text(input));
    default: return run.unreadable(input);
  }
}

std::optional<std::u16string_view> firstFault(const Fields& fields, const Statements& run) {
  for (Field field : allFields()) {
    if (askFor(field).empty()) continue;  // not an input
    if (faulty(field, fields, run)) return askFor(field);
  }
  if (run.anyFailedIn(kFirstReading, kLastResult)) return u"入力された数値では計算できません";
  return std::nullopt;
}

}  // namespace

void withholdUnsoundResults(Fields& fields, Statements& run) {
  std::optional<std::u16string_view> message;
  run(kRule, [&] { message = firstFault(fields, run); });
  if (!message) return;
  run(kRule, [&] { fields.setText(Field::Label1, std::u16string(*message)); });
  run(kRule, [&] { clearResults(fields); });
}

}  // namespace calc
