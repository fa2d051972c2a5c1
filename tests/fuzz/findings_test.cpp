#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz_input.h"
#include "properties.h"

namespace {

const std::u16string kLongNines(32767, u'9');
const std::u16string kLongKana(32767, u'あ');
const std::u16string kCannotCompute = u"入力された数値では計算できません";

// Texts a user can type or paste that no ordinary number is.
TEST(HostileNumberText, ConversionsAndFormatHoldOnAnyText) {
  const std::u16string texts[] = {
      u"", u"   ", u"%%%", u",,,", u"-", u"+.", u".", u"+", u"5.", u"-.0", u"-0",
      u"1e5", u"0x10", u"NaN", u"Infinity", u"1 000", u"+ 5", u"1,", u",1", u"1,,000",
      u"１００", u"1０0", u"１２３．４５", u"\u00A0100", u"\t1", u"¥100",
      u"\xD800", u"1\xDC00", u"\xDBFF\xDFFF", u"1\u0301", u"\u200F100", u"100\u200E",
      u"2147483647.5", u"2147483648", u"-2147483648.5", u"-2147483649",
      u"922337203685477.5807", u"922337203685477.58075", u"-922337203685477.5808",
      u"-922337203685477.58085", u"9223372036854775808", u"0.00005", u"0.00015", u"0.005",
      u"-0.005", u"1.305", u"-9.995", u"123.44999999999999", u"1.7976931348623157e308",
      u"0." + std::u16string(400, u'0') + u"1", kLongNines, u"-" + kLongNines,
      u"1" + std::u16string(308, u'0'), u"1" + std::u16string(309, u'0'), kLongKana,
  };
  for (const auto& text : texts) EXPECT_EQ(qelmar_fuzz::checkNumberText(text), "");
}

// The ten inputs as typed, then switches (see properties.h), as click fuzz bytes.
std::vector<std::uint8_t> clickBytes(const std::vector<std::u16string>& pieces, unsigned switches) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    for (const char16_t unit : (i > 0 ? u"\n" : u"") + pieces[i]) {
      bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
  }
  if (switches != 0) bytes.push_back(static_cast<std::uint8_t>(switches));
  return bytes;
}

constexpr std::size_t kEveryInput = 99;

struct HostileClick {
  const char* name;
  std::size_t field;  // window order: the ten inputs, then the eight results; or kEveryInput
  std::u16string text;
  std::u16string message;
};

// Example A's choices with one hostile text, or the text in every input: the click ends in
// one of the two states, and the message names the field to fix.
TEST(HostileClick, EndsInOneOfTheTwoStatesNamingTheField) {
  const HostileClick cases[] = {
      {"full-width balance", 0, u"１００００", u"口座残高に半角数字以外が入力されています"},
      {"32,767 nines as balance", 0, kLongNines, kCannotCompute},
      {"leverage beyond a Long", 6, u"99999999999", kCannotCompute},
      {"%%% as leverage", 6, u"%%%", u"レバレッジを半角数字で入力してください"},
      {",,, as order count", 8, u",,,", u"運用オーダー数を半角数字で入力してください"},
      {"a lone - as buy ratio", 7, u"-", u"購入比率に半角数字以外が入力されています"},
      {"+. as USD/JPY", 3, u"+.", u"現在のUSDJYPレートに半角数字以外が入力されています"},
      {"blanks as trade rate", 4, u"   ", u"現在の取引通貨レートに半角数字以外が入力されています"},
      {"right-to-left mark", 9, u"\u200F100", u"強制ロスカット証拠金維持率に半角数字以外が入力されています"},
      {"lone surrogate in balance", 0, u"100\xD800", u"口座残高に半角数字以外が入力されています"},
      {"combining mark on the yen", 1, u"円\u0301", u"口座種別を選択してください"},
      {"pair kind with a mark", 2, u"ドルストレート\u200F", u"取引通貨を選択してください"},
      {"full-width unit", 5, u"１０００", u"通貨単位を選択してください"},
      {"unit 0", 5, u"0", kCannotCompute},
      {"typed unit 1,000.5", 5, u"1,000.5", u""},
      {"unit beyond a Double", 5, u"1" + std::u16string(400, u'0'), kCannotCompute},
      {"lone surrogate as unit", 5, u"\xDC00", u"通貨単位を選択してください"},
      {"garbage typed into a result", 14, u"\xD800", u""},
      {"32,767 nines everywhere", kEveryInput, kLongNines, u"口座種別を選択してください"},
      {"32,767 kana everywhere", kEveryInput, kLongKana, u"口座残高に半角数字以外が入力されています"},
      {"lone surrogates everywhere", kEveryInput, u"\xD800", u"口座残高に半角数字以外が入力されています"},
      {"all empty", kEveryInput, u"", u"口座残高を半角数字で入力してください"},
  };
  for (const auto& hostile : cases) {
    std::vector<std::u16string> pieces{u"10000", u"円", u"クロス円", u"100.00", u"100.00",
                                       u"10000", u"100", u"10%", u"1", u"100%"};
    if (hostile.field == kEveryInput) {
      pieces.assign(10, hostile.text);
    } else {
      pieces.resize(std::max(pieces.size(), hostile.field + 1));
      pieces[hostile.field] = hostile.text;
    }
    for (const unsigned switches : {0u, 3u}) {
      std::u16string message;
      EXPECT_EQ(qelmar_fuzz::checkClick(clickBytes(pieces, switches), &message), "")
          << hostile.name;
      EXPECT_EQ(message, hostile.message) << hostile.name << ", switches " << switches;
    }
  }
}

}  // namespace
