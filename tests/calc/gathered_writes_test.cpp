#include "calc/gathered_writes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calc/calculate_click.h"
#include "support/memory_fields.h"

namespace {

using calc::Field;
using qelmar_test::Edits;
using qelmar_test::MemoryFields;

using Writes = std::vector<std::pair<Field, std::u16string>>;

// The window as a screen reader would hear it: every text written to it, in order.
class WriteLog final : public calc::Fields {
 public:
  explicit WriteLog(MemoryFields& window) : window_(window) {}
  std::u16string text(Field field) const override { return window_.text(field); }
  void setText(Field field, std::u16string text) override {
    writes.emplace_back(field, text);
    window_.setText(field, std::move(text));
  }
  Writes writes;

 private:
  MemoryFields& window_;
};

TEST(GatheredWrites, TheWindowGetsOnlyEachFieldsChangedLastText) {
  struct Case {
    const char* name;
    Writes handler;
    Writes window;
  };
  const Case cases[] = {
      {"written then cleared", {{Field::許容含み損text, u"10,000.00円"}, {Field::許容含み損text, u""}}, {}},
      {"written twice",
       {{Field::Label1, u"レバレッジを半角数字で入力してください"}, {Field::Label1, u"口座種別を選択してください"}},
       {{Field::Label1, u"口座種別を選択してください"}}},
      {"rewritten with the text it held", {{Field::口座残高text, u"10,000.00"}}, {}},
      {"held text changed and changed back",
       {{Field::購入比率text, u"0.1"}, {Field::購入比率text, u"10%"}}, {}},
      {"in window order, not the order written",
       {{Field::Label1, u"x"}, {Field::ロスカット到達レート売text, u"1"}, {Field::口座残高text, u"5.00"}},
       {{Field::口座残高text, u"5.00"}, {Field::ロスカット到達レート売text, u"1"}, {Field::Label1, u"x"}}},
  };
  for (const Case& c : cases) {
    MemoryFields window = qelmar_test::startedWith({});
    WriteLog log(window);
    calc::GatheredWrites gathered(log);
    for (const auto& [field, text] : c.handler) gathered.setText(field, text);
    EXPECT_TRUE(log.writes.empty()) << c.name << ": written before the end";
    gathered.apply();
    EXPECT_EQ(log.writes, c.window) << c.name;
  }
}

// The handlers read a field again after writing it; a later step must see the new text.
TEST(GatheredWrites, ReadsSeeEarlierWritesAndTheWindowOtherwise) {
  MemoryFields window = qelmar_test::startedWith({{Field::レバレッジtext, u"25"}});
  calc::GatheredWrites gathered(window);
  gathered.setText(Field::購入比率text, u"0.1");
  EXPECT_EQ(gathered.text(Field::購入比率text), u"0.1");
  EXPECT_EQ(window.text(Field::購入比率text), u"10%");
  EXPECT_EQ(gathered.text(Field::レバレッジtext), u"25");
  gathered.setText(Field::レバレッジtext, u"");
  EXPECT_EQ(gathered.text(Field::レバレッジtext), u"");
}

// A click that fails several rows leaves one message and no result text on the way.
TEST(GatheredWrites, AFailingClickWritesOnlyItsMessage) {
  MemoryFields window = qelmar_test::startedWith(
      {{Field::レバレッジtext, u""}, {Field::購入比率text, u""}, {Field::取引通貨Combo, u"クロス円"}});
  WriteLog log(window);
  calc::GatheredWrites gathered(log);
  calc::計算_Click(gathered);
  gathered.apply();
  EXPECT_EQ(log.writes, (Writes{{Field::Label1, u"口座種別を選択してください"}}));
}

}  // namespace
