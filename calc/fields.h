#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "numeric/format.h"

namespace calc {

// Every element of the window that holds a text, in window order: the ten inputs top to
// bottom, the eight results top to bottom, then the message line.
enum class Field {
  口座残高text,
  口座種別Combo,
  取引通貨Combo,
  現在のUSDJYPレートtext,
  現在の取引通貨レートtext,
  通貨単位Combo,
  レバレッジtext,
  購入比率text,
  運用オーダー数text,
  強制ロスカット証拠金維持率text,
  オーダーの適正ロットtext,
  ポジション必要証拠金text,
  オーダー時の有効証拠金text,
  PIPSあたりの損益額text,
  許容含み損text,
  ロスカットまでの余力PIPStext,
  ロスカット到達レート買text,
  ロスカット到達レート売text,
  Label1,
};

inline constexpr std::size_t kFieldCount = 19;

// All fields in window order.
const std::array<Field, kFieldCount>& allFields();
// The ten inputs: the fields above the first result.
constexpr bool isInput(Field field) { return field < Field::オーダーの適正ロットtext; }
// The eight results, in the order they are computed and emptied.
const std::array<Field, 8>& resultFields();

// The element's name, as the code and the window's objectNames spell it.
std::u16string_view fieldName(Field field);
// The text a field holds when the window opens (a combo's prompt; empty for results).
std::u16string_view startText(Field field);
// A combo box's list items in list order; none for other fields.
std::span<const std::u16string_view> comboItems(Field field);

// The list items the handlers compare with, exactly.
inline constexpr std::u16string_view kDollarAccount = u"ドル";
inline constexpr std::u16string_view kYenAccount = u"円";
inline constexpr std::u16string_view kCrossYen = u"クロス円";
inline constexpr std::u16string_view kDollarStraight = u"ドルストレート";
inline constexpr std::u16string_view kUnits1000 = u"1000";
inline constexpr std::u16string_view kUnits10000 = u"10000";

// Every money amount the window shows, the balance and four of the results.
inline constexpr numeric::Pattern kAmountPattern = numeric::Pattern::Grouped2;

// What the handlers may do to the window: read and replace a field's text (a text box,
// a combo box's edit part, the message line's caption).
class Fields {
 public:
  virtual std::u16string text(Field field) const = 0;
  virtual void setText(Field field, std::u16string text) = 0;

 protected:
  ~Fields() = default;
};

}  // namespace calc
