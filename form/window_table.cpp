#include "form/window_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace form {
namespace {

constexpr Twips kWindow{2070, 2385, 8295, 3495};

constexpr std::array<std::u16string_view, 2> kAccountKinds{kDollarAccount, kYenAccount};
constexpr std::array<std::u16string_view, 2> kTradeKinds{kCrossYen, kDollarStraight};
constexpr std::array<std::u16string_view, 2> kUnits{kUnits1000, kUnits10000};

// A caption label's name and the caption it shows.
struct Names {
  std::u16string_view label;
  std::u16string_view caption;
};

// A caption label 2250 wide and 210 tall beside each field, at the field's own top.
constexpr CaptionLabel captionAt(int left, int top, Names names) {
  return {names.label, names.caption, {left, top, 2250, 210}};
}

constexpr Row input(Field field, std::u16string_view name, int top, int tabIndex,
                    std::u16string_view startText, Names names) {
  return {field, name, Kind::TextBox, {2400, top, 1575, 270}, tabIndex, Alignment::Right,
          true, startText, {}, captionAt(120, top, names)};
}

constexpr Row combo(Field field, std::u16string_view name, int top, int tabIndex,
                    std::u16string_view prompt, std::span<const std::u16string_view> items,
                    Names names) {
  return {field, name, Kind::ComboBox, {2400, top, 1575, 300}, tabIndex, Alignment::Left,
          false, prompt, items, captionAt(120, top, names)};
}

constexpr Row result(Field field, std::u16string_view name, int top, int tabIndex,
                     Names names) {
  return {field, name, Kind::TextBox, {6480, top, 1695, 270}, tabIndex, Alignment::Right,
          false, u"", {}, captionAt(4200, top, names)};
}

// Some captions differ from their labels' names on purpose: USDJPY against USDJYP, the
// full-width brackets, and "余剰証拠金" for the effective margin; the margin's label
// carries its name twice.
constexpr std::array<Row, kRowCount> kRows{{
    {Element::Image1, u"Image1", Kind::Picture, {120, 120, 8055, 675}, kNoTabStop,
     Alignment::Left, false, u"", {}, {}},

    input(Field::口座残高text, u"口座残高text", 960, 0, u"10000", {u"口座残高", u"口座残高"}),
    combo(Field::口座種別Combo, u"口座種別Combo", 1200, 1, u"口座種別を選択", kAccountKinds,
          {u"口座種別", u"口座種別"}),
    combo(Field::取引通貨Combo, u"取引通貨Combo", 1440, 2, u"取引通貨を選択", kTradeKinds,
          {u"取引通貨", u"取引通貨"}),
    input(Field::現在のUSDJYPレートtext, u"現在のUSDJYPレートtext", 1680, 3, u"100.00",
          {u"現在のUSDJYPレート", u"現在のUSDJPYレート"}),
    input(Field::現在の取引通貨レートtext, u"現在の取引通貨レートtext", 1920, 4, u"100.00",
          {u"現在の取引通貨レート", u"現在の取引通貨レート"}),
    combo(Field::通貨単位Combo, u"通貨単位Combo", 2160, 5, u"通貨単位を選択", kUnits,
          {u"通貨単位", u"通貨単位"}),
    input(Field::レバレッジtext, u"レバレッジtext", 2400, 6, u"100", {u"レバレッジ", u"レバレッジ"}),
    input(Field::購入比率text, u"購入比率text", 2640, 7, u"10%", {u"購入比率", u"購入比率"}),
    input(Field::運用オーダー数text, u"運用オーダー数text", 2880, 8, u"1",
          {u"運用オーダー数", u"運用オーダー数"}),
    input(Field::強制ロスカット証拠金維持率text, u"強制ロスカット証拠金維持率text", 3120, 9,
          u"100%", {u"強制ロスカット証拠金維持率", u"強制ロスカット証拠金維持率"}),

    {Element::Line1, u"Line1", Kind::Line, {4080, 960, 15, 2400}, kNoTabStop,
     Alignment::Left, false, u"", {}, {}},

    result(Field::オーダーの適正ロットtext, u"オーダーの適正ロットtext", 960, 29,
           {u"オーダーの適正ロット", u"1オーダーの適正ロット"}),
    result(Field::ポジション必要証拠金text, u"ポジション必要証拠金text", 1200, 30,
           {u"ポジション必要証拠金ポジション必要証拠金", u"ポジション必要証拠金"}),
    result(Field::オーダー時の有効証拠金text, u"オーダー時の有効証拠金text", 1440, 31,
           {u"オーダー時の有効証拠金", u"余剰証拠金"}),
    result(Field::PIPSあたりの損益額text, u"PIPSあたりの損益額text", 1680, 32,
           {u"PIPSあたりの損益額", u"1PIPSあたりの損益額"}),
    result(Field::許容含み損text, u"許容含み損text", 1920, 33, {u"許容含み損", u"許容含み損"}),
    result(Field::ロスカットまでの余力PIPStext, u"ロスカットまでの余力PIPStext", 2160, 34,
           {u"ロスカットまでの余力PIPS", u"ロスカットまでの余力PIPS"}),
    result(Field::ロスカット到達レート買text, u"ロスカット到達レート買text", 2400, 35,
           {u"ロスカット到達レート買", u"ロスカット到達レート（買）"}),
    result(Field::ロスカット到達レート売text, u"ロスカット到達レート売text", 2640, 36,
           {u"ロスカット到達レート売", u"ロスカット到達レート（売）"}),

    {Field::Label1, u"Label1", Kind::MessageLine, {4200, 3000, 2295, 375}, kNoTabStop,
     Alignment::Left, false, u"", {}, {}},
    {Element::計算, u"計算", Kind::Button, {6600, 3000, 1575, 375}, 28, Alignment::Left,
     false, u"計算", {}, {}},
}};

constexpr std::array<Field, kFieldCount> kFields = [] {
  std::array<Field, kFieldCount> fields{};
  std::size_t next = 0;
  for (const Row& row : kRows) {
    if (const Field* field = std::get_if<Field>(&row.control)) fields.at(next++) = *field;
  }
  return fields;
}();

constexpr std::array<Field, 8> kResults = [] {
  std::array<Field, 8> results{};
  std::copy_if(kFields.begin(), kFields.end(), results.begin(), isResult);
  return results;
}();

// The table is checked as the program is built: each field once and in Field's order,
// every field but the message line with a caption label, each tab index once.
static_assert([] {
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (kFields[i] != Field(i)) return false;
  }
  return true;
}(), "kRows holds each field once, in Field's order");
static_assert(std::all_of(kRows.begin(), kRows.end(), [](const Row& row) {
  const Field* field = std::get_if<Field>(&row.control);
  return (field != nullptr && *field != Field::Label1) == row.caption.has_value();
}), "a caption label beside every field but Label1, and beside nothing else");
static_assert([] {
  for (const Row& row : kRows) {
    if (row.tabIndex == kNoTabStop) continue;
    const auto sameIndex = [&](const Row& other) { return other.tabIndex == row.tabIndex; };
    if (std::count_if(kRows.begin(), kRows.end(), sameIndex) != 1) return false;
  }
  return true;
}(), "each tab index once");

}  // namespace

std::span<const Row> windowRows() { return kRows; }

const Twips& windowBox() { return kWindow; }

const Row& rowOf(Control control) {
  const auto* row = std::find_if(kRows.begin(), kRows.end(),
                                 [&](const Row& each) { return each.control == control; });
  if (row == kRows.end()) throw std::logic_error("the window has no such element");
  return *row;
}

const CaptionLabel& captionOf(Field field) {
  const Row& row = rowOf(field);
  if (!row.caption) throw std::logic_error("Label1 has no caption label");
  return *row.caption;
}

std::size_t rowIndex(Control control) {
  return static_cast<std::size_t>(&rowOf(control) - kRows.data());
}

std::u16string_view fieldName(Field field) { return rowOf(field).name; }
std::u16string_view startText(Field field) { return rowOf(field).text; }
std::span<const std::u16string_view> comboItems(Field field) { return rowOf(field).items; }

std::span<const Field> allFields() { return kFields; }
std::span<const Field> resultFields() { return kResults; }

}  // namespace form
