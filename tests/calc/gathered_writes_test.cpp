#include "calc/gathered_writes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calc/window_events.h"
#include "support/memory_fields.h"

namespace {

using form::Field;
using Writes = std::vector<std::pair<Field, std::u16string>>;

// The window, with every text written to it in order: what a screen reader hears.
class WriteLog final : public calc::FieldTexts {
 public:
  std::u16string text(Field field) const override { return window.text(field); }
  void setText(Field field, std::u16string text) override {
    writes.emplace_back(field, text);
    window.setText(field, std::move(text));
  }
  qelmar_test::MemoryFields window = qelmar_test::startedWith({});
  Writes writes;
};

TEST(GatheredWrites, TheWindowGetsOnlyEachFieldsChangedLastText) {
  const struct {
    const char* name;
    Writes handler;
    Writes window;
  } cases[] = {
      {"written then cleared", {{Field::許容含み損text, u"10,000.00円"}, {Field::許容含み損text, u""}}, {}},
      {"written twice", {{Field::Label1, u"レバレッジを…"}, {Field::Label1, u"口座種別を…"}},
       {{Field::Label1, u"口座種別を…"}}},
      {"rewritten with the text it held", {{Field::口座残高text, u"10,000.00"}}, {}},
      {"changed and changed back", {{Field::購入比率text, u"0.1"}, {Field::購入比率text, u"10%"}}, {}},
      {"in window order, not the order written",
       {{Field::Label1, u"x"}, {Field::ロスカット到達レート売text, u"1"}, {Field::口座残高text, u"5.00"}},
       {{Field::口座残高text, u"5.00"}, {Field::ロスカット到達レート売text, u"1"}, {Field::Label1, u"x"}}},
  };
  for (const auto& c : cases) {
    WriteLog log;
    calc::GatheredWrites gathered(log);
    for (const auto& [field, text] : c.handler) {
      gathered.setText(field, text);
      // A handler reads a field again after writing it and must see its own text.
      EXPECT_EQ(gathered.text(field), text) << c.name;
    }
    EXPECT_EQ(gathered.text(Field::レバレッジtext), u"100") << c.name << ": an unwritten field";
    EXPECT_TRUE(log.writes.empty()) << c.name << ": written before the end";
    gathered.apply();
    EXPECT_EQ(log.writes, c.window) << c.name;
  }
}

// The handlers write through the gathered writes, so that a screen reader hears each field
// once, with the text the event leaves.
TEST(GatheredWrites, EachEventReachesTheWindowOnce) {
  using Handler = void (*)(calc::FieldTexts&);
  const Handler typedPairKind = [](calc::FieldTexts& window) { calc::取引通貨Combo_Change(window); };
  const Handler click = [](calc::FieldTexts& window) { calc::計算_Click(window); };
  const struct {
    const char* name;
    Writes typed;  // into the window before the event
    Handler handler;
    Writes window;
  } cases[] = {
      // Rescaled to "123.45", then formatted.
      {"a typed pair kind moves the rate", {{Field::現在の取引通貨レートtext, u"1.2345"}}, typedPairKind,
       {{Field::現在の取引通貨レートtext, u"123.450"}}},
      {"a typed pair kind with an unreadable rate", {{Field::現在の取引通貨レートtext, u"abc"}},
       typedPairKind, {}},
      // The results computed, then emptied by the checks.
      {"a click on the start texts", {}, click, {{Field::Label1, u"口座種別を選択してください"}}},
  };
  for (const auto& c : cases) {
    WriteLog log;
    for (const auto& [field, text] : c.typed) log.window.setText(field, text);
    c.handler(log);
    EXPECT_EQ(log.writes, c.window) << c.name;
  }
}

}  // namespace
