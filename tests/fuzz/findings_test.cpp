#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/calculate_click.h"
#include "calc/input_checks.h"
#include "calc/normalization.h"
#include "click_property.h"
#include "number_text_property.h"
#include "reference_decimal.h"
#include "support/memory_fields.h"

namespace {

using calc::Field;
using qelmar_test::MemoryFields;

const std::u16string kLongNines(32767, u'9');
const std::u16string kLongKana(32767, u'あ');
const std::u16string kCannotCompute = u"入力された数値では計算できません";

// Texts a user can type or paste that no ordinary number is: each must convert, format
// and read back as the number grammar says, or fail with a numeric error.
TEST(HostileNumberText, ConversionsAndFormatHoldOnAnyText) {
  const std::u16string texts[] = {
      u"", u"   ", u"%%%", u",,,", u"-", u"+.", u".", u"+", u"5.", u"-.0", u"-0",
      u"1e5", u"0x10", u"NaN", u"Infinity", u"1 000", u"+ 5", u"1,", u",1", u"1,,000",
      u"１００", u"1０0", u"１２３．４５", u"\u00A0100", u"\t1", u"¥100",
      u"\xD800", u"1\xDC00", u"\xDBFF\xDFFF", u"1\u0301", u"\u200F100", u"100\u200E",
      u"2147483647.5", u"2147483648", u"-2147483648.5", u"-2147483649",
      u"922337203685477.5807", u"922337203685477.58075", u"-922337203685477.5808",
      u"-922337203685477.58085", u"9223372036854775808", u"0.00005", u"0.00015",
      u"123.44999999999999", u"1.7976931348623157e308",
      u"0." + std::u16string(400, u'0') + u"1", kLongNines, u"-" + kLongNines,
      u"1" + std::u16string(308, u'0'), u"1" + std::u16string(309, u'0'), kLongKana,
  };
  for (const auto& text : texts) {
    EXPECT_EQ(qelmar_fuzz::checkNumberText(text), "");
  }
}

std::vector<std::uint8_t> clickBytes(const std::vector<std::u16string>& pieces, unsigned switches) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) {
      bytes.push_back(u'\n');
      bytes.push_back(0);
    }
    for (const char16_t unit : pieces[i]) {
      bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
  }
  if (switches != 0) bytes.push_back(static_cast<std::uint8_t>(switches));
  return bytes;
}

struct HostileClick {
  const char* name;
  std::vector<std::pair<Field, std::u16string>> edits;
  std::optional<std::u16string> message;  // none where two readings are both right
};

// The window after start-up with the three combos chosen, then the edits, then 計算:
// the click ends in one of the two states, and the message names the field to fix.
TEST(HostileClick, EndsInOneOfTheTwoStatesNamingTheField) {
  const HostileClick cases[] = {
      {"full-width balance", {{Field::口座残高text, u"１００００"}}, u"口座残高に半角数字以外が入力されています"},
      {"32,767 nines as balance", {{Field::口座残高text, kLongNines}}, kCannotCompute},
      {"leverage beyond a Long", {{Field::レバレッジtext, u"99999999999"}}, kCannotCompute},
      {"%%% as leverage", {{Field::レバレッジtext, u"%%%"}}, u"レバレッジを半角数字で入力してください"},
      {",,, as order count", {{Field::運用オーダー数text, u",,,"}}, u"運用オーダー数を半角数字で入力してください"},
      {"a lone - as buy ratio", {{Field::購入比率text, u"-"}}, u"購入比率に半角数字以外が入力されています"},
      {"+. as USD/JPY", {{Field::現在のUSDJYPレートtext, u"+."}}, u"現在のUSDJYPレートに半角数字以外が入力されています"},
      {"blanks as trade rate", {{Field::現在の取引通貨レートtext, u"   "}}, u"現在の取引通貨レートに半角数字以外が入力されています"},
      {"right-to-left mark", {{Field::強制ロスカット証拠金維持率text, u"\u200F100"}}, u"強制ロスカット証拠金維持率に半角数字以外が入力されています"},
      {"lone surrogate in balance", {{Field::口座残高text, u"100\xD800"}}, u"口座残高に半角数字以外が入力されています"},
      {"combining mark on the yen", {{Field::口座種別Combo, u"円\u0301"}}, u"口座種別を選択してください"},
      {"pair kind with a mark", {{Field::取引通貨Combo, u"ドルストレート\u200F"}}, u"取引通貨を選択してください"},
      {"full-width unit", {{Field::通貨単位Combo, u"１０００"}}, u"通貨単位を選択してください"},
      {"unit 0", {{Field::通貨単位Combo, u"0"}}, kCannotCompute},
      {"typed unit 1,000.5", {{Field::通貨単位Combo, u"1,000.5"}}, u""},
      {"unit beyond a Double", {{Field::通貨単位Combo, u"1" + std::u16string(400, u'0')}}, std::nullopt},
      {"lone surrogate as unit", {{Field::通貨単位Combo, u"\xDC00"}}, u"通貨単位を選択してください"},
      {"garbage typed into a result", {{Field::許容含み損text, u"\xD800"}}, u""},
  };
  for (const auto& hostile : cases) {
    MemoryFields fields;
    calc::normalizeInputs(fields);
    fields.setText(Field::口座種別Combo, u"円");
    fields.setText(Field::取引通貨Combo, u"クロス円");
    fields.setText(Field::通貨単位Combo, u"10000");
    for (const auto& [field, text] : hostile.edits) fields.setText(field, text);
    calc::計算_Click(fields);
    for (const auto& problem : qelmar_fuzz::judgeClickState(fields)) ADD_FAILURE() << hostile.name << ": " << problem;
    if (hostile.message) {
      EXPECT_EQ(fields.text(Field::Label1), *hostile.message) << hostile.name;
    }
  }
}

// Every input filled with the same long paste, straight after start-up.
TEST(HostileClick, LongPastesInEveryInput) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {kLongNines, u"口座種別を選択してください"},
      {kLongKana, u"口座残高に半角数字以外が入力されています"},
      {u"\xD800", u"口座残高に半角数字以外が入力されています"},
      {u"", u"口座残高を半角数字で入力してください"},
  };
  for (const auto& [paste, message] : cases) {
    const std::vector<std::u16string> pieces(10, paste);
    EXPECT_EQ(qelmar_fuzz::checkClick(clickBytes(pieces, 2)), "");
    MemoryFields fields;
    calc::normalizeInputs(fields);
    for (std::size_t i = 0; i < 10; ++i) fields.setText(calc::allFields()[i], paste);
    calc::計算_Click(fields);
    EXPECT_EQ(fields.text(Field::Label1), message) << qelmar_fuzz::narrow(paste.substr(0, 8));
  }
}

// The judge itself must be able to fail: each of these windows breaks one rule.
TEST(ClickJudge, RejectsWindowsThatBreakTheTwoStates) {
  const auto exampleA = [] {
    MemoryFields fields;
    calc::normalizeInputs(fields);
    fields.setText(Field::口座種別Combo, u"円");
    fields.setText(Field::取引通貨Combo, u"クロス円");
    fields.setText(Field::通貨単位Combo, u"10000");
    calc::計算_Click(fields);
    return fields;
  };
  ASSERT_TRUE(qelmar_fuzz::judgeClickState(exampleA()).empty());

  const std::pair<const char*, std::vector<std::pair<Field, std::u16string>>> broken[] = {
      {"a message beside results", {{Field::Label1, u"口座残高を半角数字で入力してください"}}},
      {"one result missing", {{Field::許容含み損text, u""}}},
      {"a result without its suffix", {{Field::ポジション必要証拠金text, u"10,000.00"}}},
      {"a result not grouped", {{Field::ポジション必要証拠金text, u"10000.00円"}}},
      {"pips with two decimals", {{Field::ロスカットまでの余力PIPStext, u".00PIPS"}}},
      {"results from a typed account kind", {{Field::口座種別Combo, u"円 "}}},
      {"results from an unreadable leverage", {{Field::レバレッジtext, u"1.2.3"}}},
  };
  for (const auto& [name, edits] : broken) {
    MemoryFields fields = exampleA();
    for (const auto& [field, text] : edits) fields.setText(field, text);
    EXPECT_FALSE(qelmar_fuzz::judgeClickState(fields).empty()) << name;
  }

  const std::pair<const char*, std::u16string> wrongMessages[] = {
      {"names a field that is fine", u"レバレッジに半角数字以外が入力されています"},
      {"not a message of the window", u"エラー"},
      {"cannot compute although a combo is unchosen", kCannotCompute},
  };
  for (const auto& [name, message] : wrongMessages) {
    MemoryFields fields = exampleA();
    calc::clearResults(fields);
    fields.setText(Field::通貨単位Combo, u"通貨単位を選択");
    fields.setText(Field::Label1, message);
    EXPECT_FALSE(qelmar_fuzz::judgeClickState(fields).empty()) << name;
  }
}

// The oracle the number property trusts, on values the rules spell out.
TEST(ReferenceDecimal, RoundsAndWritesAsTheRulesSay) {
  using qelmar_fuzz::Rounding;
  const auto read = [](std::u16string_view text) { return qelmar_fuzz::readGrammar(text)->value; };
  EXPECT_EQ(qelmar_fuzz::rounded(read(u"1.23455"), 4, Rounding::HalfEven), read(u"1.2346"));
  EXPECT_EQ(qelmar_fuzz::rounded(read(u"1.23445"), 4, Rounding::HalfEven), read(u"1.2344"));
  EXPECT_EQ(qelmar_fuzz::rounded(read(u"2.5"), 0, Rounding::HalfEven), read(u"2"));
  EXPECT_EQ(qelmar_fuzz::rounded(read(u"-0.25"), 1, Rounding::HalfAwayFromZero), read(u"-0.3"));
  EXPECT_EQ(qelmar_fuzz::rounded(read(u"0.004"), 2, Rounding::HalfAwayFromZero), read(u"0"));
  EXPECT_EQ(qelmar_fuzz::rounded(read(u"9.995"), 2, Rounding::HalfAwayFromZero), read(u"10"));
  EXPECT_EQ(qelmar_fuzz::plainText(qelmar_fuzz::fifteenDigits(123.44999999999999)), "123.45");
  EXPECT_EQ(qelmar_fuzz::plainText(qelmar_fuzz::fifteenDigits(0.1)), "0.1");
  EXPECT_EQ(qelmar_fuzz::plainText(qelmar_fuzz::fifteenDigits(-1e-5)), "-0.00001");
  EXPECT_EQ(qelmar_fuzz::plainText(qelmar_fuzz::fifteenDigits(1e20)), "100000000000000000000");
  for (const auto* text : {u"", u"   ", u"1.2.3", u"10%", u"+.", u"-", u",1", u"1,", u"1e5", u"+ 5", u"１"}) {
    EXPECT_FALSE(qelmar_fuzz::readGrammar(text)) << qelmar_fuzz::narrow(text);
  }
  for (const auto* text : {u" 42 ", u".50", u"10,000.00", u"1,,000", u"-5", u"+0.0"}) {
    EXPECT_TRUE(qelmar_fuzz::readGrammar(text)) << qelmar_fuzz::narrow(text);
  }
}

}  // namespace
