#include "calc/normalization.h"

#include <string>

#include "numeric/dbl.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"

namespace calc {
namespace {

using numeric::Dbl;

// Each step reads its field afresh, so it sees what an earlier step wrote.
void formatField(Fields& fields, Field field, std::u16string_view pattern) {
  fields.setText(field, numeric::format(fields.text(field), pattern));
}

// A text not yet ending in "%" is a fraction to be shown in percent: "10" becomes "0.1",
// then "10%". A text ending in "%" does not read as a number, so the format keeps it.
void applyPercentRule(Fields& fields, Field field) {
  const std::u16string text = fields.text(field);
  if (numeric::lastChar(text) != u"%") {
    fields.setText(field, numeric::toText((Dbl(numeric::toDouble(text)) / 100).value()));
  }
  formatField(fields, field, u"###%");
}

}  // namespace

void normalizeInputs(Fields& fields) {
  formatField(fields, Field::口座残高text, u"#,###,###.00");
  formatField(fields, Field::現在のUSDJYPレートtext, u"#0.000");
  applyPercentRule(fields, Field::購入比率text);
  applyPercentRule(fields, Field::強制ロスカット証拠金維持率text);
  rescaleTradeRate(fields);
}

// A rate typed on the other pair kind's scale moves by a factor of 100, once per call;
// the new value reaches the pattern through its 15-digit text.
void rescaleTradeRate(Fields& fields) {
  constexpr Field kRate = Field::現在の取引通貨レートtext;
  const double rate = numeric::toDouble(fields.text(kRate));
  if (fields.text(Field::取引通貨Combo) == u"ドルストレート") {
    if (rate > 50) fields.setText(kRate, numeric::toText((Dbl(rate) / 100).value()));
    formatField(fields, kRate, u"#0.00000");
  } else {
    if (rate < 10) fields.setText(kRate, numeric::toText((Dbl(rate) * 100).value()));
    formatField(fields, kRate, u"#0.000");
  }
}

void 取引通貨Combo_Change(Fields& fields) { rescaleTradeRate(fields); }

}  // namespace calc
