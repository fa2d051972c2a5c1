#include "calc/fields.h"

namespace calc {
namespace {

struct FieldEntry {
  Field field;
  std::u16string_view name;
  std::u16string_view startText;
};

constexpr std::array<FieldEntry, kFieldCount> kFields{{
    {Field::口座残高text, u"口座残高text", u"10000"},
    {Field::口座種別Combo, u"口座種別Combo", u"口座種別を選択"},
    {Field::取引通貨Combo, u"取引通貨Combo", u"取引通貨を選択"},
    {Field::現在のUSDJYPレートtext, u"現在のUSDJYPレートtext", u"100.00"},
    {Field::現在の取引通貨レートtext, u"現在の取引通貨レートtext", u"100.00"},
    {Field::通貨単位Combo, u"通貨単位Combo", u"通貨単位を選択"},
    {Field::レバレッジtext, u"レバレッジtext", u"100"},
    {Field::購入比率text, u"購入比率text", u"10%"},
    {Field::運用オーダー数text, u"運用オーダー数text", u"1"},
    {Field::強制ロスカット証拠金維持率text, u"強制ロスカット証拠金維持率text", u"100%"},
    {Field::オーダーの適正ロットtext, u"オーダーの適正ロットtext", u""},
    {Field::ポジション必要証拠金text, u"ポジション必要証拠金text", u""},
    {Field::オーダー時の有効証拠金text, u"オーダー時の有効証拠金text", u""},
    {Field::PIPSあたりの損益額text, u"PIPSあたりの損益額text", u""},
    {Field::許容含み損text, u"許容含み損text", u""},
    {Field::ロスカットまでの余力PIPStext, u"ロスカットまでの余力PIPStext", u""},
    {Field::ロスカット到達レート買text, u"ロスカット到達レート買text", u""},
    {Field::ロスカット到達レート売text, u"ロスカット到達レート売text", u""},
    {Field::Label1, u"Label1", u""},
}};

constexpr const FieldEntry& entry(Field field) { return kFields[static_cast<std::size_t>(field)]; }

}  // namespace

const std::array<Field, kFieldCount>& allFields() {
  static constexpr auto fields = [] {
    std::array<Field, kFieldCount> all{};
    for (std::size_t i = 0; i < kFieldCount; ++i) all[i] = kFields[i].field;
    return all;
  }();
  return fields;
}

const std::array<Field, 8>& resultFields() {
  static constexpr std::array<Field, 8> results{
      Field::オーダーの適正ロットtext, Field::ポジション必要証拠金text,
      Field::オーダー時の有効証拠金text, Field::PIPSあたりの損益額text,
      Field::許容含み損text, Field::ロスカットまでの余力PIPStext,
      Field::ロスカット到達レート買text, Field::ロスカット到達レート売text};
  return results;
}

std::span<const std::u16string_view> comboItems(Field field) {
  static constexpr std::array<std::u16string_view, 2> accountKinds{kDollarAccount, kYenAccount};
  static constexpr std::array<std::u16string_view, 2> tradeKinds{kCrossYen, kDollarStraight};
  static constexpr std::array<std::u16string_view, 2> units{kUnits1000, kUnits10000};
  switch (field) {
    case Field::口座種別Combo: return accountKinds;
    case Field::取引通貨Combo: return tradeKinds;
    case Field::通貨単位Combo: return units;
    default: return {};
  }
}

std::u16string_view fieldName(Field field) { return entry(field).name; }
std::u16string_view startText(Field field) { return entry(field).startText; }

}  // namespace calc
