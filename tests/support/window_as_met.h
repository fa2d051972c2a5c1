#pragma once

#include <string_view>

#include "form/window_table.h"

namespace qelmar_test {

// The window as a user meets it, written out as it shows rather than read from the window
// table, so that a wrong row of the table fails a test.

// Each field: the caption beside it, by which a screen reader names it too, and whether
// typing there gives half-width characters whatever the input method.
struct FieldAsMet {
  form::Field field;
  std::u16string_view caption;
  bool inputMethodOff;
};
inline constexpr FieldAsMet kFieldsAsMet[] = {
    {form::Field::口座残高text, u"口座残高", true},
    {form::Field::口座種別Combo, u"口座種別", false},
    {form::Field::取引通貨Combo, u"取引通貨", false},
    {form::Field::現在のUSDJYPレートtext, u"現在のUSDJPYレート", true},
    {form::Field::現在の取引通貨レートtext, u"現在の取引通貨レート", true},
    {form::Field::通貨単位Combo, u"通貨単位", false},
    {form::Field::レバレッジtext, u"レバレッジ", true},
    {form::Field::購入比率text, u"購入比率", true},
    {form::Field::運用オーダー数text, u"運用オーダー数", true},
    {form::Field::強制ロスカット証拠金維持率text, u"強制ロスカット証拠金維持率", true},
    {form::Field::オーダーの適正ロットtext, u"1オーダーの適正ロット", false},
    {form::Field::ポジション必要証拠金text, u"ポジション必要証拠金", false},
    {form::Field::オーダー時の有効証拠金text, u"余剰証拠金", false},
    {form::Field::PIPSあたりの損益額text, u"1PIPSあたりの損益額", false},
    {form::Field::許容含み損text, u"許容含み損", false},
    {form::Field::ロスカットまでの余力PIPStext, u"ロスカットまでの余力PIPS", false},
    {form::Field::ロスカット到達レート買text, u"ロスカット到達レート（買）", false},
    {form::Field::ロスカット到達レート売text, u"ロスカット到達レート（売）", false},
};

// The stops in the order Tab walks them: the inputs top to bottom, 計算, the results.
inline constexpr form::Control kTabStops[] = {
    form::Field::口座残高text,
    form::Field::口座種別Combo,
    form::Field::取引通貨Combo,
    form::Field::現在のUSDJYPレートtext,
    form::Field::現在の取引通貨レートtext,
    form::Field::通貨単位Combo,
    form::Field::レバレッジtext,
    form::Field::購入比率text,
    form::Field::運用オーダー数text,
    form::Field::強制ロスカット証拠金維持率text,
    form::Element::計算,
    form::Field::オーダーの適正ロットtext,
    form::Field::ポジション必要証拠金text,
    form::Field::オーダー時の有効証拠金text,
    form::Field::PIPSあたりの損益額text,
    form::Field::許容含み損text,
    form::Field::ロスカットまでの余力PIPStext,
    form::Field::ロスカット到達レート買text,
    form::Field::ロスカット到達レート売text,
};

}  // namespace qelmar_test
