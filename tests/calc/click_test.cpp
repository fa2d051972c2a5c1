#include "calc/window_events.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/shown_after_click.h"
#include "form/window_table.h"

namespace {

using form::Field;
using qelmar_test::ClickCase;
using qelmar_test::click;
using qelmar_test::Edits;
using qelmar_test::expectShown;
using qelmar_test::kCannotCompute;
using qelmar_test::MemoryFields;
using qelmar_test::noResults;

TEST(CalculateClick, WorkedExamplesShowEveryResultExactly) {
  const ClickCase cases[] = {
      {"yen account, cross pair",
       {{Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"10000"}},
       {{u"0.01", u"10,000.00円", u".00円", u"100.00円", u".00円", u".0PIPS", u"100.00", u"100.00"}, u""}},
      {"dollar account, dollar-quoted pair (rate rescaled from 100.00)",
       {{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"ドルストレート"}, {Field::通貨単位Combo, u"10000"}},
       {{u"0.10", u"1,000.00ドル", u"9,000.00ドル", u"10.00ドル", u"9,000.00ドル", u"900.0PIPS", u"0.91000",
         u"1.09000"},
        u""}},
      {"three orders",
       {{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"1000"},
        {Field::運用オーダー数text, u"3"}},
       {{u"0.33", u"333.30ドル", u"9,666.70ドル", u"3.33ドル", u"9,666.70ドル", u"2,900.3PIPS", u"71.00", u"129.00"},
        u""}},
      {"margin above the balance shows with minus signs",
       {{Field::口座残高text, u"5000"}, {Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"クロス円"},
        {Field::通貨単位Combo, u"10000"}},
       {{u"0.01", u"10,000.00円", u"-5,000.00円", u"100.00円", u"-5,000.00円", u"-50.0PIPS", u"100.50", u"99.50"},
        u""}},
      {"the minimum lot leaves a stored 0.0101 alone",
       {{Field::口座残高text, u"10100"}, {Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"クロス円"},
        {Field::通貨単位Combo, u"10000"}, {Field::運用オーダー数text, u"10"}},
       {{u"0.01", u"101.00ドル", u"9,999.00ドル", u"1.01ドル", u"9,999.00ドル", u"9,900.0PIPS", u"1.00", u"199.00"},
        u""}},
      {"any number of units per lot",
       {{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"100000"}},
       {{u"0.01", u"1,000.00ドル", u"9,000.00ドル", u"10.00ドル", u"9,000.00ドル", u"900.0PIPS", u"91.00",
         u"109.00"},
        u""}},
      // Converted to yen (a rounded Currency product) before the exact x100: the other
      // order rounds 12,406.725 up.
      {"the yen margin of a dollar-quoted pair",
       {{Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"ドルストレート"}, {Field::通貨単位Combo, u"10000"},
        {Field::現在のUSDJYPレートtext, u"100.5"}, {Field::現在の取引通貨レートtext, u"1.2345"}},
       {{u"0.01", u"12,406.72円", u"-2,406.72円", u"100.50円", u"-2,406.72円", u"-23.9PIPS", u"1.23690",
         u"1.23210"},
        u""}},
      // The ratio becomes a fraction before it meets the margin: m x (r / 100), not m x r / 100.
      {"the loss-cut ratio applied as a fraction",
       {{Field::口座残高text, u"1344925.25"}, {Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"クロス円"},
        {Field::通貨単位Combo, u"10000"}, {Field::レバレッジtext, u"3"}, {Field::購入比率text, u"30"},
        {Field::強制ロスカット証拠金維持率text, u"110"}, {Field::現在の取引通貨レートtext, u"101.161"},
        {Field::現在のUSDJYPレートtext, u"136.299"}},
       {{u"0.01", u"454,330.00円", u"890,595.25円", u"136.30円", u"845,162.25円", u"6,200.8PIPS", u"39.15",
         u"163.17"},
        u""}},
  };
  for (const ClickCase& c : cases) expectShown(click(c.edits), c.expected, c.name);
}

TEST(CalculateClick, NoResultsStayFromAFailedCalculation) {
  // Dollars, a cross pair and 10000 units: sound unless the case's own edits spoil it.
  auto chosenAnd = [](const Edits& more) {
    Edits edits{{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"10000"}};
    edits.insert(edits.end(), more.begin(), more.end());
    return edits;
  };
  const struct {
    const char* name;
    Edits edits;
    std::u16string message;
  } cases[] = {
      {"leverage 0 divides by zero", {{Field::レバレッジtext, u"0"}}, kCannotCompute},
      {"order count 0 divides by zero", {{Field::運用オーダー数text, u"0"}}, kCannotCompute},
      {"trade rate 0 divides by zero", {{Field::現在の取引通貨レートtext, u"0"}}, kCannotCompute},
      {"a 20-digit balance overflows", {{Field::口座残高text, u"99999999999999999999"}}, kCannotCompute},
      {"leverage beyond 32 bits", {{Field::レバレッジtext, u"3000000000"}}, kCannotCompute},
      {"unreadable leverage", {{Field::レバレッジtext, u"1.2.3"}}, u"レバレッジを半角数字で入力してください"},
      {"unreadable order count", {{Field::運用オーダー数text, u","}}, u"運用オーダー数を半角数字で入力してください"},
      {"percent only", {{Field::購入比率text, u"%"}}, u"購入比率を半角数字で入力してください"},
      {"a percentage where no percentage belongs", {{Field::レバレッジtext, u"10%"}},
       u"レバレッジを半角数字で入力してください"},
      {"the upper of two unreadable fields is named",
       {{Field::強制ロスカット証拠金維持率text, u"1.2%.3"}, {Field::現在のUSDJYPレートtext, u"1..0"}},
       u"現在のUSDJYPレートを半角数字で入力してください"},
      {"a typed account kind with a trailing blank", {{Field::口座種別Combo, u"円 "}}, u"口座種別を選択してください"},
      {"an emptied account kind", {{Field::口座種別Combo, u""}}, u"口座種別を選択してください"},
      {"a typed pair kind", {{Field::取引通貨Combo, u"ドル"}}, u"取引通貨を選択してください"},
      {"units that are no number", {{Field::通貨単位Combo, u"abc"}}, u"通貨単位を選択してください"},
      {"units emptied", {{Field::通貨単位Combo, u""}}, u"通貨単位を選択してください"},
      {"units at the prompt", {{Field::通貨単位Combo, u"通貨単位を選択"}}, u"通貨単位を選択してください"},
      {"units that are a number beyond the Double range",
       {{Field::通貨単位Combo, u"1" + std::u16string(400, u'0')}}, kCannotCompute},
      {"a check row wins over the rule",
       {{Field::レバレッジtext, u""}, {Field::口座残高text, u"1.2.3"}}, u"レバレッジを半角数字で入力してください"},
  };
  for (const auto& c : cases) expectShown(click(chosenAnd(c.edits)), noResults(c.message), c.name);
}

TEST(CalculateClick, APassingClickClearsTheLastMessage) {
  MemoryFields fields = qelmar_test::startedWith({});
  calc::計算_Click(fields);
  EXPECT_EQ(fields.text(Field::Label1), u"口座種別を選択してください");
  fields.setText(Field::口座種別Combo, u"円");
  fields.setText(Field::取引通貨Combo, u"クロス円");
  fields.setText(Field::通貨単位Combo, u"10000");
  calc::計算_Click(fields);
  EXPECT_EQ(fields.text(Field::Label1), u"");
  EXPECT_EQ(fields.text(Field::オーダーの適正ロットtext), u"0.01");
}

}  // namespace
