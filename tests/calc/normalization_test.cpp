#include "calc/normalization.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/window_events.h"
#include "numeric/numeric_error.h"
#include "support/memory_fields.h"

namespace {

using form::Field;
using qelmar_test::MemoryFields;

TEST(NormalizeInputs, StartTextsBecomeTheTextsAfterStartUp) {
  MemoryFields fields;
  calc::normalizeInputs(fields);
  EXPECT_EQ(fields.text(Field::口座残高text), u"10,000.00");
  EXPECT_EQ(fields.text(Field::現在のUSDJYPレートtext), u"100.000");
  EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), u"100.000");
  EXPECT_EQ(fields.text(Field::購入比率text), u"10%");
  EXPECT_EQ(fields.text(Field::強制ロスカット証拠金維持率text), u"100%");
  // Untouched: the fields no rule rewrites.
  EXPECT_EQ(fields.text(Field::レバレッジtext), u"100");
  EXPECT_EQ(fields.text(Field::運用オーダー数text), u"1");
  EXPECT_EQ(fields.text(Field::取引通貨Combo), u"取引通貨を選択");
}

struct FieldCase {
  Field field;
  std::u16string before;
  std::u16string after;
};

TEST(NormalizeInputs, EachFieldTakesItsPattern) {
  const FieldCase cases[] = {
      {Field::口座残高text, u"1234567.891", u"1,234,567.89"},
      {Field::口座残高text, u"0.5", u".50"},
      {Field::口座残高text, u"abc", u"abc"},
      {Field::口座残高text, u"", u""},
      {Field::口座残高text, u"-5", u"-5.00"},
      {Field::現在のUSDJYPレートtext, u"98.7654", u"98.765"},
      {Field::現在のUSDJYPレートtext, u"", u""},
      {Field::購入比率text, u"10", u"10%"},
      {Field::購入比率text, u"150", u"150%"},
      {Field::購入比率text, u"10%", u"10%"},
      {Field::購入比率text, u"%", u"%"},
      {Field::購入比率text, u"10 %", u"10 %"},
      {Field::購入比率text, u"0", u"%"},
      {Field::強制ロスカット証拠金維持率text, u"50", u"50%"},
      {Field::強制ロスカット証拠金維持率text, u"0.5", u"1%"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    MemoryFields fields;
    fields.setText(cases[i].field, cases[i].before);
    calc::normalizeInputs(fields);
    EXPECT_EQ(fields.text(cases[i].field), cases[i].after) << "case " << i;
  }
}

TEST(NormalizeInputs, AnUnreadablePercentageStopsAtItsField) {
  const std::u16string stoppers[] = {u"", u"abc", u"10% "};
  for (const std::u16string& text : stoppers) {
    MemoryFields fields;
    fields.setText(Field::口座残高text, u"5000");
    fields.setText(Field::購入比率text, text);
    fields.setText(Field::強制ロスカット証拠金維持率text, u"50");
    fields.setText(Field::現在の取引通貨レートtext, u"1.5");
    EXPECT_THROW(calc::normalizeInputs(fields), numeric::NumericError);
    EXPECT_EQ(fields.text(Field::口座残高text), u"5,000.00");
    EXPECT_EQ(fields.text(Field::現在のUSDJYPレートtext), u"100.000");
    EXPECT_EQ(fields.text(Field::購入比率text), text);
    EXPECT_EQ(fields.text(Field::強制ロスカット証拠金維持率text), u"50");
    EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), u"1.5");
  }
}

TEST(NormalizeInputs, AnEmptyTradeRateFailsLastWithTheOthersDone) {
  MemoryFields fields;
  fields.setText(Field::現在の取引通貨レートtext, u"");
  EXPECT_THROW(calc::normalizeInputs(fields), numeric::NumericError);
  EXPECT_EQ(fields.text(Field::口座残高text), u"10,000.00");
  EXPECT_EQ(fields.text(Field::現在のUSDJYPレートtext), u"100.000");
  EXPECT_EQ(fields.text(Field::購入比率text), u"10%");
  EXPECT_EQ(fields.text(Field::強制ロスカット証拠金維持率text), u"100%");
  EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), u"");
}

struct RescaleCase {
  std::u16string tradeKind;
  std::u16string before;
  std::u16string after;
};

TEST(RescaleTradeRate, MovesTheRateOnceToThePairKindsScale) {
  const RescaleCase cases[] = {
      {u"クロス円", u"10", u"10.000"},
      {u"クロス円", u"9.99", u"999.000"},
      {u"クロス円", u"1.2345", u"123.450"},
      {u"クロス円", u"-5", u"-500.000"},
      {u"クロス円", u"0.05", u"5.000"},
      {u"取引通貨を選択", u"150.000", u"150.000"},
      {u"", u"1.5", u"150.000"},
      {u"ドルストレート ", u"1.5", u"150.000"},
      {u"ドルストレート", u"50", u"50.00000"},
      {u"ドルストレート", u"50.5", u"0.50500"},
      {u"ドルストレート", u"123.45", u"1.23450"},
      {u"ドルストレート", u"1.2345", u"1.23450"},
      {u"ドルストレート", u"150.000", u"1.50000"},
      {u"ドルストレート", u"12000", u"120.00000"},
      {u"ドルストレート", u"-60", u"-60.00000"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    MemoryFields fields;
    fields.setText(Field::取引通貨Combo, cases[i].tradeKind);
    fields.setText(Field::現在の取引通貨レートtext, cases[i].before);
    calc::rescaleTradeRate(fields);
    EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), cases[i].after) << "case " << i;
  }
}

TEST(RescaleTradeRate, FailsWithoutTouchingAnyField) {
  const std::u16string rates[] = {u"", u"abc", u"1.0.0",
                                  u"-" + std::u16string(308, u'9')};  // r x 100 overflows
  for (const std::u16string& rate : rates) {
    MemoryFields fields;
    fields.setText(Field::現在の取引通貨レートtext, rate);
    const MemoryFields before = fields;
    EXPECT_THROW(calc::rescaleTradeRate(fields), numeric::NumericError);
    // The handler stops there too, and raises nothing.
    calc::取引通貨Combo_Change(fields);
    for (Field field : form::allFields()) EXPECT_EQ(fields.text(field), before.text(field));
  }
}

TEST(TradeKindChange, EveryKeystrokeRescalesAsTheTextThenReads) {
  MemoryFields fields;
  fields.setText(Field::取引通貨Combo, u"");
  fields.setText(Field::現在の取引通貨レートtext, u"1.2345");
  const std::u16string typed = u"ドルストレート";
  std::vector<std::u16string> rates;
  for (std::size_t length = 1; length <= typed.size(); ++length) {
    fields.setText(Field::取引通貨Combo, typed.substr(0, length));
    calc::取引通貨Combo_Change(fields);
    rates.push_back(fields.text(Field::現在の取引通貨レートtext));
  }
  const std::vector<std::u16string> expected{u"123.450", u"123.450", u"123.450", u"123.450",
                                             u"123.450", u"123.450", u"1.23450"};
  EXPECT_EQ(rates, expected);
}

TEST(NormalizeInputs, RepeatedPressesRescaleAgainUntilInRange) {
  MemoryFields fields;
  fields.setText(Field::取引通貨Combo, u"クロス円");
  fields.setText(Field::現在の取引通貨レートtext, u"0.05");
  calc::normalizeInputs(fields);
  EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), u"5.000");
  calc::normalizeInputs(fields);
  EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), u"500.000");
  calc::normalizeInputs(fields);
  EXPECT_EQ(fields.text(Field::現在の取引通貨レートtext), u"500.000");
}

}  // namespace
