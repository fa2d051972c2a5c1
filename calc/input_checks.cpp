#include "calc/input_checks.h"

#include <algorithm>
#include <array>

#include "form/window_table.h"

namespace calc {

using form::Field;
using form::resultFields;
using form::startText;

namespace {

enum class Test {
  Empty,     // the text is the empty text
  Prompt,    // a combo still shows its prompt
  Digits,    // myNumeric is false
};

struct CheckRow {
  Field field;
  Test failsWhen;
  std::u16string_view message;
};

// Run in this order; the last failing row's message is the one left on Label1.
constexpr std::array<CheckRow, 17> kCheckTable{{
    {Field::強制ロスカット証拠金維持率text, Test::Empty, u"強制ロスカット証拠金維持率を半角数字で入力してください"},
    {Field::運用オーダー数text, Test::Empty, u"運用オーダー数を半角数字で入力してください"},
    {Field::購入比率text, Test::Empty, u"購入比率を半角数字で入力してください"},
    {Field::レバレッジtext, Test::Empty, u"レバレッジを半角数字で入力してください"},
    {Field::通貨単位Combo, Test::Prompt, u"通貨単位を選択してください"},
    {Field::現在の取引通貨レートtext, Test::Empty, u"現在の取引通貨レートを半角数字で入力してください"},
    {Field::現在のUSDJYPレートtext, Test::Empty, u"現在のUSDJYPレートを半角数字で入力してください"},
    {Field::取引通貨Combo, Test::Prompt, u"取引通貨を選択してください"},
    {Field::口座種別Combo, Test::Prompt, u"口座種別を選択してください"},
    {Field::口座残高text, Test::Empty, u"口座残高を半角数字で入力してください"},
    {Field::強制ロスカット証拠金維持率text, Test::Digits, u"強制ロスカット証拠金維持率に半角数字以外が入力されています"},
    {Field::運用オーダー数text, Test::Digits, u"運用オーダー数に半角数字以外が入力されています"},
    {Field::購入比率text, Test::Digits, u"購入比率に半角数字以外が入力されています"},
    {Field::レバレッジtext, Test::Digits, u"レバレッジに半角数字以外が入力されています"},
    {Field::現在の取引通貨レートtext, Test::Digits, u"現在の取引通貨レートに半角数字以外が入力されています"},
    {Field::現在のUSDJYPレートtext, Test::Digits, u"現在のUSDJYPレートに半角数字以外が入力されています"},
    {Field::口座残高text, Test::Digits, u"口座残高に半角数字以外が入力されています"},
}};

bool fails(const CheckRow& row, const std::u16string& text) {
  switch (row.failsWhen) {
    case Test::Empty: return text.empty();
    case Test::Prompt: return text == startText(row.field);
    case Test::Digits: return !myNumeric(text);
  }
  return true;
}

}  // namespace

bool myNumeric(std::u16string_view inString) {
  // Exact code units: full-width digits, blanks and signs are all outside the set.
  return std::all_of(inString.begin(), inString.end(), [](char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'.' || c == u'%';
  });
}

void clearResults(FieldTexts& fields) {
  for (Field result : resultFields()) fields.setText(result, u"");
}

bool runInputChecks(FieldTexts& fields, Statements& run) {
  constexpr Statement kChecks = Statement::CheckSequence;
  bool anyFailed = false;
  for (const CheckRow& row : kCheckTable) {
    // A row whose test raises counts as failed.
    run.when(kChecks, [&] { return fails(row, fields.text(row.field)); }, [&] {
      anyFailed = true;
      run(kChecks, [&] { fields.setText(Field::Label1, std::u16string(row.message)); });
      run(kChecks, [&] { clearResults(fields); });
    });
  }
  return anyFailed;
}

std::vector<std::u16string_view> everyMessage() {
  std::vector<std::u16string_view> messages;
  for (const CheckRow& row : kCheckTable) messages.push_back(row.message);
  messages.push_back(kCannotComputeMessage);
  return messages;
}

std::u16string_view askFor(Field input) {
  const auto row = std::find_if(kCheckTable.begin(), kCheckTable.end(), [&](const CheckRow& r) {
    return r.field == input && r.failsWhen != Test::Digits;
  });
  return row == kCheckTable.end() ? std::u16string_view{} : row->message;
}

}  // namespace calc
