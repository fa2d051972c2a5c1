#include "calc/normalization.h"

#include <string>

#include "calc/amount_pattern.h"
#include "form/window_table.h"
#include "numeric/checked_double.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"

namespace calc {

using form::Field;
using form::kDollarStraight;

namespace {

using numeric::CheckedDouble;
using numeric::Pattern;

// A trader who types a rate on the other pair kind's scale (1.2345 for a cross pair,
// 123.45 for a dollar pair) is a factor of 100 off. No yen-quoted rate lies below 10 and
// no dollar-quoted one above 50, so a rate past its bound is moved by that factor.
constexpr double kLowestYenQuotedRate = 10;
constexpr double kHighestDollarQuotedRate = 50;
constexpr double kFactorBetweenQuotes = 100;

// Each step reads its field afresh, so it sees what an earlier step wrote.
void formatField(FieldTexts& fields, Field field, Pattern pattern) {
  fields.setText(field, numeric::format(fields.text(field), pattern));
}

// A text not yet ending in "%" is a fraction to be shown in percent: "10" becomes "0.1",
// then "10%". A text ending in "%" does not read as a number, so the format keeps it.
void applyPercentRule(FieldTexts& fields, Field field) {
  const std::u16string text = fields.text(field);
  if (numeric::lastChar(text) != u"%") {
    fields.setText(field, numeric::toText((CheckedDouble(numeric::toDouble(text)) / 100).value()));
  }
  formatField(fields, field, Pattern::Percent);
}

}  // namespace

void normalizeInputs(FieldTexts& fields) {
  formatField(fields, Field::口座残高text, kAmountPattern);
  formatField(fields, Field::現在のUSDJYPレートtext, Pattern::Plain3);
  applyPercentRule(fields, Field::購入比率text);
  applyPercentRule(fields, Field::強制ロスカット証拠金維持率text);
  rescaleTradeRate(fields);
}

// Once per call, so a rate still out of range moves again at the next; the new value
// reaches the pattern through its 15-digit text.
void rescaleTradeRate(FieldTexts& fields) {
  constexpr Field kRate = Field::現在の取引通貨レートtext;
  const double rate = numeric::toDouble(fields.text(kRate));
  if (fields.text(Field::取引通貨Combo) == kDollarStraight) {
    if (rate > kHighestDollarQuotedRate) {
      fields.setText(kRate, numeric::toText((CheckedDouble(rate) / kFactorBetweenQuotes).value()));
    }
    formatField(fields, kRate, Pattern::Plain5);
  } else {
    if (rate < kLowestYenQuotedRate) {
      fields.setText(kRate, numeric::toText((CheckedDouble(rate) * kFactorBetweenQuotes).value()));
    }
    formatField(fields, kRate, Pattern::Plain3);
  }
}

}  // namespace calc
