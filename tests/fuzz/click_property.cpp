#include "click_property.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc/calculate_click.h"
#include "calc/fields.h"
#include "calc/normalization.h"
#include "display_patterns.h"
#include "fuzz_input.h"
#include "numeric/text_conversion.h"
#include "reference_decimal.h"
#include "support/memory_fields.h"

namespace qelmar_fuzz {
namespace {

using calc::Field;
using numeric::ErrorKind;
using qelmar_test::MemoryFields;

constexpr std::u16string_view kCannotCompute = u"入力された数値では計算できません";
constexpr std::u16string_view kEnterDigits = u"を半角数字で入力してください";
constexpr std::u16string_view kNotDigits = u"に半角数字以外が入力されています";
constexpr std::u16string_view kChoose = u"を選択してください";

enum class Reads { AsCurrency, AsLong, AsPercent, AsUnit, AsItem };
struct Input {
  Field field;
  Reads reads;
};
constexpr std::array<Input, 10> kInputs{{
    {Field::口座残高text, Reads::AsCurrency},
    {Field::口座種別Combo, Reads::AsItem},
    {Field::取引通貨Combo, Reads::AsItem},
    {Field::現在のUSDJYPレートtext, Reads::AsCurrency},
    {Field::現在の取引通貨レートtext, Reads::AsCurrency},
    {Field::通貨単位Combo, Reads::AsUnit},
    {Field::レバレッジtext, Reads::AsLong},
    {Field::購入比率text, Reads::AsPercent},
    {Field::運用オーダー数text, Reads::AsLong},
    {Field::強制ロスカット証拠金維持率text, Reads::AsPercent},
}};

bool isTextBox(const Input& input) { return input.reads != Reads::AsItem && input.reads != Reads::AsUnit; }

// The field's name as its messages spell it: without "text" or "Combo".
std::u16string_view messageName(Field field) {
  std::u16string_view name = calc::fieldName(field);
  for (std::u16string_view kind : {u"text", u"Combo"}) {
    if (name.ends_with(kind)) name.remove_suffix(kind.size());
  }
  return name;
}

bool halfWidthDigitsAndMarks(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'.' || c == u'%';
  });
}

// What is wrong with one input as the click left it.
struct Faults {
  bool empty = false;       // the empty test of a text box
  bool prompt = false;      // the prompt test of a combo box
  bool notDigits = false;   // the character test of a text box
  bool unreadable = false;  // a type mismatch at the reading, or a combo text that is no item
  bool overflow = false;    // the reading overflows
  bool any() const { return empty || prompt || notDigits || unreadable || overflow; }
};

Faults faultsOf(const calc::Fields& fields, const Input& input) {
  const std::u16string text = fields.text(input.field);
  Faults faults;
  std::optional<ErrorKind> error;
  switch (input.reads) {
    case Reads::AsCurrency:
      error = attempt([&] { return numeric::toCurrency(text); }).error;
      break;
    case Reads::AsLong:
      error = attempt([&] { return numeric::toLong(text); }).error;
      break;
    case Reads::AsPercent: {
      std::u16string number = text;
      std::erase(number, u'%');
      error = attempt([&] { return numeric::toLong(number); }).error;
      break;
    }
    case Reads::AsUnit:
      faults.prompt = text == calc::startText(input.field);
      error = attempt([&] { return numeric::toDouble(text); }).error;
      break;
    case Reads::AsItem: {
      faults.prompt = text == calc::startText(input.field);
      const auto items = calc::comboItems(input.field);
      faults.unreadable = std::find(items.begin(), items.end(), text) == items.end();
      break;
    }
  }
  if (isTextBox(input)) {
    faults.empty = text.empty();
    faults.notDigits = !halfWidthDigitsAndMarks(text);
  }
  faults.unreadable = faults.unreadable || (error && *error == ErrorKind::TypeMismatch);
  faults.overflow = error && *error != ErrorKind::TypeMismatch;
  return faults;
}

using Texts = std::array<std::u16string, calc::kFieldCount>;

Texts snapshot(const calc::Fields& fields) {
  Texts texts;
  for (const Field field : calc::allFields()) texts[static_cast<std::size_t>(field)] = fields.text(field);
  return texts;
}

std::string nameOf(Field field) { return narrow(calc::fieldName(field)); }

// The number and the text behind it that a shown result must consist of.
struct ResultShape {
  Field field;
  std::u16string_view pattern;
  std::u16string suffix;
};

std::vector<ResultShape> resultShapes(const calc::Fields& fields) {
  const std::u16string account = fields.text(Field::口座種別Combo);
  const std::u16string_view rate =
      fields.text(Field::取引通貨Combo) == u"ドルストレート" ? u"#0.00000" : u"#0.00";
  return {{Field::オーダーの適正ロットtext, u"#0.00", u""},
          {Field::ポジション必要証拠金text, u"#,###,###.00", account},
          {Field::オーダー時の有効証拠金text, u"#,###,###.00", account},
          {Field::PIPSあたりの損益額text, u"#,###,###.00", account},
          {Field::許容含み損text, u"#,###,###.00", account},
          {Field::ロスカットまでの余力PIPStext, u"#,###,###.0", u"PIPS"},
          {Field::ロスカット到達レート買text, rate, u""},
          {Field::ロスカット到達レート売text, rate, u""}};
}

void checkShownResults(const calc::Fields& fields, std::vector<std::string>& problems) {
  for (const Input& input : kInputs) {
    const Faults faults = faultsOf(fields, input);
    if (faults.any()) {
      problems.push_back("results shown without a message although " + nameOf(input.field) +
                         " holds \"" + narrow(fields.text(input.field)) + "\"");
    }
  }
  for (const ResultShape& shape : resultShapes(fields)) {
    const std::u16string text = fields.text(shape.field);
    const std::string where = nameOf(shape.field) + " \"" + narrow(text) + "\"";
    if (!text.ends_with(shape.suffix)) {
      problems.push_back(where + " does not end in \"" + narrow(shape.suffix) + "\"");
      continue;
    }
    const std::u16string number = text.substr(0, text.size() - shape.suffix.size());
    const auto read = readFormatted(number, displayPattern(shape.pattern));
    if (!read.value) {
      problems.push_back(where + " is no \"" + narrow(shape.pattern) + "\" number: " + read.problem);
    } else if (!attempt([&] { return numeric::toCurrency(number); }).value) {
      problems.push_back(where + " does not read back as a Currency");
    }
  }
}

void checkMessage(const calc::Fields& fields, std::vector<std::string>& problems) {
  const std::u16string message = fields.text(Field::Label1);
  if (message == kCannotCompute) {
    for (const Input& input : kInputs) {
      const Faults faults = faultsOf(fields, input);
      if (faults.empty || faults.prompt || faults.notDigits || faults.unreadable) {
        problems.push_back("\"入力された数値では計算できません\" although " + nameOf(input.field) +
                           " holds \"" + narrow(fields.text(input.field)) + "\" to be named");
      }
    }
    return;
  }
  for (const Input& input : kInputs) {
    const std::u16string_view name = messageName(input.field);
    if (!message.starts_with(name)) continue;
    const std::u16string_view ending = std::u16string_view(message).substr(name.size());
    const Faults faults = faultsOf(fields, input);
    bool named = false;
    bool fits = false;
    if (isTextBox(input) && ending == kEnterDigits) {
      named = true;
      fits = faults.empty || faults.unreadable;
    } else if (isTextBox(input) && ending == kNotDigits) {
      named = true;
      fits = faults.notDigits;
    } else if (!isTextBox(input) && ending == kChoose) {
      named = true;
      fits = faults.prompt || faults.unreadable;
    }
    if (!named) continue;
    if (!fits) {
      problems.push_back("\"" + narrow(message) + "\" although " + nameOf(input.field) +
                         " holds \"" + narrow(fields.text(input.field)) + "\"");
    }
    return;
  }
  problems.push_back("an unknown message \"" + narrow(message) + "\"");
}

// One press of 計算 and the state it must leave.
void pressAndCheck(MemoryFields& fields, std::vector<std::string>& problems) {
  const Texts before = snapshot(fields);
  try {
    calc::計算_Click(fields);
  } catch (const std::exception& error) {
    problems.push_back(std::string("計算_Click let an exception escape: ") + error.what());
    return;
  } catch (...) {
    problems.push_back("計算_Click let an exception escape");
    return;
  }
  for (const Field kept : {Field::口座種別Combo, Field::取引通貨Combo, Field::通貨単位Combo,
                           Field::レバレッジtext, Field::運用オーダー数text}) {
    if (fields.text(kept) != before[static_cast<std::size_t>(kept)]) {
      problems.push_back("the click rewrote " + nameOf(kept));
    }
  }
  const auto judged = judgeClickState(fields);
  problems.insert(problems.end(), judged.begin(), judged.end());
}

}  // namespace

std::vector<std::string> judgeClickState(const calc::Fields& fields) {
  std::vector<std::string> problems;
  const auto& results = calc::resultFields();
  const auto shown = std::count_if(results.begin(), results.end(),
                                   [&](Field field) { return !fields.text(field).empty(); });
  if (fields.text(Field::Label1).empty()) {
    if (shown != 8) {
      problems.push_back("no message, but only " + std::to_string(shown) + " of 8 results shown");
    } else {
      checkShownResults(fields, problems);
    }
  } else {
    if (shown != 0) {
      problems.push_back("a message, and " + std::to_string(shown) + " results still shown");
    }
    checkMessage(fields, problems);
  }
  return problems;
}

std::string checkClick(std::span<const std::uint8_t> bytes) {
  const unsigned switches = bytes.size() % 2 == 1 ? bytes.back() : 0u;
  std::vector<std::u16string> pieces(1);
  for (const char16_t unit : utf16FromBytes(bytes)) {
    if (unit == u'\n') {
      pieces.emplace_back();
    } else {
      pieces.back().push_back(unit);
    }
  }

  std::vector<std::string> problems;
  MemoryFields fields;
  try {
    calc::normalizeInputs(fields);
  } catch (...) {
    return "normalizeInputs failed on the start texts";
  }
  const auto& order = calc::allFields();
  for (std::size_t i = 0; i < pieces.size() && i < 18; ++i) fields.setText(order[i], pieces[i]);

  if (switches & 1u) {
    const Texts before = snapshot(fields);
    const auto changed = attempt([&] {
      calc::取引通貨Combo_Change(fields);
      return true;
    });
    if (!changed.escaped.empty()) problems.push_back("取引通貨Combo_Change: " + changed.escaped);
    const Texts after = snapshot(fields);
    for (const Field field : order) {
      const auto i = static_cast<std::size_t>(field);
      if (after[i] != before[i] && (changed.error || field != Field::現在の取引通貨レートtext)) {
        problems.push_back("取引通貨Combo_Change rewrote " + nameOf(field) +
                           (changed.error ? " before it failed" : ""));
      }
    }
  }
  pressAndCheck(fields, problems);
  if (problems.empty() && (switches & 2u)) pressAndCheck(fields, problems);

  if (problems.empty()) return {};
  std::string out = "after the click:";
  for (const Field field : order) {
    out += "\n  " + nameOf(field) + " \"" + narrow(fields.text(field)) + "\"";
  }
  for (const auto& problem : problems) out += "\n  fault: " + problem;
  return out;
}

}  // namespace qelmar_fuzz
