#include <algorithm>
#include <vector>

#include "calc/window_events.h"
#include "fuzz_input.h"
#include "numeric/text_conversion.h"
#include "properties.h"
#include "support/memory_fields.h"

namespace qelmar_fuzz {
namespace {

using form::Field;

// Every text Label1 may hold: the seventeen that ask for a field, and the one for a
// computation that failed.
bool knownMessage(std::u16string_view message) {
  static const std::vector<std::u16string> known = [] {
    std::vector<std::u16string> texts{u"入力された数値では計算できません"};
    for (const std::u16string box : {u"口座残高", u"現在のUSDJYPレート", u"現在の取引通貨レート", u"レバレッジ",
                                     u"購入比率", u"運用オーダー数", u"強制ロスカット証拠金維持率"}) {
      texts.push_back(box + u"を半角数字で入力してください");
      texts.push_back(box + u"に半角数字以外が入力されています");
    }
    for (const std::u16string combo : {u"口座種別", u"取引通貨", u"通貨単位"}) {
      texts.push_back(combo + u"を選択してください");
    }
    return texts;
  }();
  return std::find(known.begin(), known.end(), message) != known.end();
}

// The "#0.00" shape: an optional "-", digits, ".", then exactly `decimals` digits.
bool plainShape(std::u16string_view text, std::size_t decimals) {
  if (text.starts_with(u'-')) text.remove_prefix(1);
  const auto point = text.find(u'.');
  const auto digits = [](std::u16string_view part) {
    return std::all_of(part.begin(), part.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
  };
  return point != text.npos && point > 0 && text.size() - point - 1 == decimals &&
         digits(text.substr(0, point)) && digits(text.substr(point + 1));
}

std::string name(Field field) { return narrow(form::fieldName(field)); }

}  // namespace

std::string clickStateFault(const calc::FieldTexts& fields) {
  const std::u16string message = fields.text(Field::Label1);
  const auto& results = form::resultFields();
  const auto shown = std::count_if(results.begin(), results.end(),
                                   [&](Field field) { return !fields.text(field).empty(); });
  if (!message.empty()) {
    std::string fault;
    if (shown != 0) fault += " a message beside " + std::to_string(shown) + " results;";
    if (!knownMessage(message)) fault += " an unknown message \"" + narrow(message) + "\";";
    return fault;
  }
  if (shown != 8) return " no message, but " + std::to_string(shown) + " of 8 results;";

  std::string fault;
  const std::u16string account = fields.text(Field::口座種別Combo);
  const std::u16string pair = fields.text(Field::取引通貨Combo);
  if (account != u"ドル" && account != u"円") fault += " results beside the typed 口座種別;";
  if (pair != u"クロス円" && pair != u"ドルストレート") fault += " results beside the typed 取引通貨;";
  struct Shape {
    Field field;
    std::u16string_view suffix;
    std::size_t decimals;  // of the "#0.00" shape; 0 for a grouped number
  };
  const std::size_t rateDecimals = pair == u"ドルストレート" ? 5 : 2;
  const Shape shapes[] = {
      {Field::オーダーの適正ロットtext, u"", 2},
      {Field::ポジション必要証拠金text, account, 0},
      {Field::オーダー時の有効証拠金text, account, 0},
      {Field::PIPSあたりの損益額text, account, 0},
      {Field::許容含み損text, account, 0},
      {Field::ロスカットまでの余力PIPStext, u"PIPS", 0},
      {Field::ロスカット到達レート買text, u"", rateDecimals},
      {Field::ロスカット到達レート売text, u"", rateDecimals},
  };
  for (const Shape& shape : shapes) {
    const std::u16string text = fields.text(shape.field);
    const std::u16string_view number = std::u16string_view(text).substr(
        0, text.size() - std::min(text.size(), shape.suffix.size()));
    const bool sound = text.ends_with(shape.suffix) && numeric::isNumber(number) &&
                       (shape.decimals == 0 || plainShape(number, shape.decimals));
    if (!sound) fault += " " + name(shape.field) + " shows \"" + narrow(text) + "\";";
  }
  return fault;
}

std::string checkClick(std::span<const std::uint8_t> bytes, std::u16string* message) {
  qelmar_test::MemoryFields fields;
  std::string fault;
  // The handlers raise nothing: any exception is a fault.
  const auto run = [&](const char* handler, auto call) {
    std::string escaped;
    const bool done = attempt([&] { return call(), true; }, escaped).has_value();
    if (!done) {
      fault += std::string(" ") + handler + (escaped.empty() ? " raised a NumericError" : escaped) + ";";
    }
  };
  run("Form_Load", [&] { calc::Form_Load(fields); });

  const auto& order = form::allFields();
  std::size_t piece = 0;
  std::u16string text;
  for (const char16_t unit : utf16FromBytes(bytes) + u'\n') {
    if (unit != u'\n') {
      text.push_back(unit);
    } else if (piece < order.size() - 1) {
      fields.setText(order[piece++], std::move(text));
      text.clear();
    }
  }

  const unsigned switches = bytes.size() % 2 == 1 ? bytes.back() : 0u;
  if (switches & 1u) run("取引通貨Combo_Change", [&] { calc::取引通貨Combo_Change(fields); });
  for (int press = 0; fault.empty() && press < ((switches & 2u) ? 2 : 1); ++press) {
    run("計算_Click", [&] { calc::計算_Click(fields); });
    if (fault.empty()) fault = clickStateFault(fields);
  }
  if (message) *message = fields.text(Field::Label1);
  if (fault.empty()) return {};
  std::string out = "after the click:";
  for (const Field field : order) {
    out += "\n  " + name(field) + " \"" + narrow(fields.text(field)) + "\"";
  }
  return out + "\n  fault:" + fault;
}

}  // namespace qelmar_fuzz
