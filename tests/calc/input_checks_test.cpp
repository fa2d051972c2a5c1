#include "calc/input_checks.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "calc/click_statements.h"
#include "calc/window_events.h"
#include "support/memory_fields.h"

namespace {

using form::Field;
using qelmar_test::MemoryFields;
using qelmar_test::Edits;

// Start-up with sound combo choices, then the case's edits.
MemoryFields soundInputs(const Edits& edits = {}) {
  Edits all{{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"10000"}};
  all.insert(all.end(), edits.begin(), edits.end());
  return qelmar_test::startedWith(all);
}

// ... and one press of 計算.
MemoryFields clickWith(const Edits& edits) {
  MemoryFields fields = soundInputs(edits);
  calc::計算_Click(fields);
  return fields;
}

bool resultsEmpty(const calc::FieldTexts& fields) {
  for (Field result : form::resultFields()) {
    if (!fields.text(result).empty()) return false;
  }
  return true;
}

TEST(MyNumeric, AcceptsOnlyHalfWidthDigitsCommasPointsAndPercent) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"", true},         {u"0123456789", true}, {u",.%", true},    {u"1,000.5", true},
      {u"1.2.3", true},    {u"%%%", true},        {u"1e5", false},   {u"+1", false},
      {u"-1", false},      {u"1 000", false},     {u" 1", false},    {u"¥100", false},
      {u"１00", false},    {u"100０", false},     {u"1\t", false},   {u"/", false},
      {u":", false},       {u"．", false},        {u"，", false},    {u"％", false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(calc::myNumeric(cases[i].first), cases[i].second) << "case " << i;
  }
}

// The seventeen rows in the order they run, each with an edit that fails it alone.
const std::pair<Edits, std::u16string> kRowsInOrder[] = {
    {{{Field::強制ロスカット証拠金維持率text, u""}}, u"強制ロスカット証拠金維持率を半角数字で入力してください"},
    {{{Field::運用オーダー数text, u""}}, u"運用オーダー数を半角数字で入力してください"},
    {{{Field::購入比率text, u""}}, u"購入比率を半角数字で入力してください"},
    {{{Field::レバレッジtext, u""}}, u"レバレッジを半角数字で入力してください"},
    {{{Field::通貨単位Combo, u"通貨単位を選択"}}, u"通貨単位を選択してください"},
    {{{Field::現在の取引通貨レートtext, u""}}, u"現在の取引通貨レートを半角数字で入力してください"},
    {{{Field::現在のUSDJYPレートtext, u""}}, u"現在のUSDJYPレートを半角数字で入力してください"},
    {{{Field::取引通貨Combo, u"取引通貨を選択"}}, u"取引通貨を選択してください"},
    {{{Field::口座種別Combo, u"口座種別を選択"}}, u"口座種別を選択してください"},
    {{{Field::口座残高text, u""}}, u"口座残高を半角数字で入力してください"},
    {{{Field::強制ロスカット証拠金維持率text, u"x"}}, u"強制ロスカット証拠金維持率に半角数字以外が入力されています"},
    {{{Field::運用オーダー数text, u"x"}}, u"運用オーダー数に半角数字以外が入力されています"},
    {{{Field::購入比率text, u"x"}}, u"購入比率に半角数字以外が入力されています"},
    {{{Field::レバレッジtext, u"x"}}, u"レバレッジに半角数字以外が入力されています"},
    {{{Field::現在の取引通貨レートtext, u"x"}}, u"現在の取引通貨レートに半角数字以外が入力されています"},
    {{{Field::現在のUSDJYPレートtext, u"x"}}, u"現在のUSDJYPレートに半角数字以外が入力されています"},
    {{{Field::口座残高text, u"x"}}, u"口座残高に半角数字以外が入力されています"},
};

TEST(InputChecks, EachRowPutsItsOwnMessage) {
  for (std::size_t i = 0; i < std::size(kRowsInOrder); ++i) {
    const MemoryFields fields = clickWith(kRowsInOrder[i].first);
    EXPECT_EQ(fields.text(Field::Label1), kRowsInOrder[i].second) << "row " << i + 1;
    EXPECT_TRUE(resultsEmpty(fields)) << "row " << i + 1;
  }
}

TEST(InputChecks, TheLastFailingRowWins) {
  const std::pair<Edits, std::u16string> cases[] = {
      {{{Field::口座残高text, u""},
        {Field::口座種別Combo, u"口座種別を選択"},
        {Field::取引通貨Combo, u"取引通貨を選択"},
        {Field::現在のUSDJYPレートtext, u""},
        {Field::現在の取引通貨レートtext, u""},
        {Field::通貨単位Combo, u"通貨単位を選択"},
        {Field::レバレッジtext, u""},
        {Field::購入比率text, u""},
        {Field::運用オーダー数text, u""},
        {Field::強制ロスカット証拠金維持率text, u""}},
       u"口座残高を半角数字で入力してください"},
      {{{Field::レバレッジtext, u""}, {Field::口座残高text, u"abc"}}, u"口座残高に半角数字以外が入力されています"},
      {{{Field::取引通貨Combo, u"取引通貨を選択"}, {Field::口座種別Combo, u"口座種別を選択"}},
       u"口座種別を選択してください"},
      // Only the prompt itself fails its row: one blank more and the row passes.
      {{{Field::口座種別Combo, u"口座種別を選択 "}, {Field::通貨単位Combo, u"通貨単位を選択"}},
       u"通貨単位を選択してください"},
      {{{Field::運用オーダー数text, u"-1"}}, u"運用オーダー数に半角数字以外が入力されています"},
      // The minus sign survives the balance's re-formatting.
      {{{Field::口座残高text, u"-5"}}, u"口座残高に半角数字以外が入力されています"},
      {{{Field::レバレッジtext, u"１００"}}, u"レバレッジに半角数字以外が入力されています"},
      {{{Field::レバレッジtext, u" 100"}}, u"レバレッジに半角数字以外が入力されています"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const MemoryFields fields = clickWith(cases[i].first);
    EXPECT_EQ(fields.text(Field::Label1), cases[i].second) << "case " << i;
    EXPECT_TRUE(resultsEmpty(fields)) << "case " << i;
  }
}

TEST(InputChecks, CharacterTestPassesTextsThatAreNoUsualNumber) {
  // "1,000.5" rounds to 1000 orders; every "%" of a percentage goes, wherever it stands.
  const Edits passing[] = {
      {{Field::運用オーダー数text, u"1,000.5"}},
      {{Field::購入比率text, u"%1%0"}},
  };
  for (const Edits& edits : passing) {
    const MemoryFields fields = clickWith(edits);
    EXPECT_EQ(fields.text(Field::Label1), u"");
    EXPECT_FALSE(resultsEmpty(fields));
  }
}

// A window that cannot store one field's text.
class UnwritableField final : public calc::FieldTexts {
 public:
  UnwritableField(MemoryFields& inner, Field unwritable) : inner_(inner), unwritable_(unwritable) {}
  std::u16string text(Field field) const override { return inner_.text(field); }
  void setText(Field field, std::u16string text) override {
    if (field == unwritable_) throw std::runtime_error("cannot write");
    inner_.setText(field, std::move(text));
  }

 private:
  MemoryFields& inner_;
  Field unwritable_;
};

// A window whose inputs cannot be read, which keeps every message put on Label1.
class MessageRecorder final : public calc::FieldTexts {
 public:
  MessageRecorder(MemoryFields& inner, std::vector<std::u16string>& messages)
      : inner_(inner), messages_(messages) {}
  std::u16string text(Field field) const override {
    if (form::isInput(field)) throw std::runtime_error("cannot read");
    return inner_.text(field);
  }
  void setText(Field field, std::u16string text) override {
    if (field == Field::Label1 && !text.empty()) messages_.push_back(text);
    inner_.setText(field, std::move(text));
  }

 private:
  MemoryFields& inner_;
  std::vector<std::u16string>& messages_;
};

// A window that cannot deliver a single input makes every row fail, each as it runs, so
// the messages put on Label1 show the order of the rows.
TEST(InputChecks, RowsWhoseFieldCannotBeReadFailInTheirOrder) {
  MemoryFields fields = soundInputs();
  std::vector<std::u16string> shown;
  MessageRecorder window(fields, shown);
  calc::runClickStatements(window);
  std::vector<std::u16string> expected;
  for (const auto& row : kRowsInOrder) expected.push_back(row.second);
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(resultsEmpty(fields));
}

TEST(InputChecks, AFailureInsideClearResultsAbandonsOnlyTheRestOfIt) {
  MemoryFields fields = soundInputs();
  fields.setText(Field::口座残高text, u"abc");
  UnwritableField window(fields, Field::オーダー時の有効証拠金text);
  calc::runClickStatements(window);
  EXPECT_EQ(fields.text(Field::Label1), u"口座残高に半角数字以外が入力されています");
  EXPECT_EQ(fields.text(Field::オーダーの適正ロットtext), u"");
  EXPECT_EQ(fields.text(Field::ポジション必要証拠金text), u"");
  // Never written by this click, so the start text (empty) stays.
  EXPECT_EQ(fields.text(Field::オーダー時の有効証拠金text), u"");
  // The fields after the failing one keep what the calculation wrote.
  EXPECT_FALSE(fields.text(Field::PIPSあたりの損益額text).empty());
  EXPECT_FALSE(fields.text(Field::ロスカット到達レート売text).empty());
}

TEST(InputChecks, AMessageThatCannotBeShownStillEmptiesTheResults) {
  MemoryFields fields = soundInputs();
  fields.setText(Field::口座残高text, u"abc");
  UnwritableField window(fields, Field::Label1);
  calc::runClickStatements(window);
  EXPECT_TRUE(resultsEmpty(fields));
}

}  // namespace
