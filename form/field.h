#pragma once

#include <cstddef>

namespace form {

// Every element of the window that holds a text, in window order: the ten inputs top to
// bottom, the eight results top to bottom, then the message line. The window table
// (window_table.h) has one row for each, in this order.
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

// A field's place in window order, from 0: where arrays of kFieldCount keep its entry.
constexpr std::size_t index(Field field) { return static_cast<std::size_t>(field); }

inline constexpr std::size_t kFieldCount = index(Field::Label1) + 1;

// The ten inputs: the fields above the first result.
constexpr bool isInput(Field field) { return field < Field::オーダーの適正ロットtext; }

// The eight results, in the order they are computed and emptied.
constexpr bool isResult(Field field) { return !isInput(field) && field != Field::Label1; }

}  // namespace form
