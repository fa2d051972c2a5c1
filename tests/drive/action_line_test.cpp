#include "tools/drive/action_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tools/drive/utf.h"

namespace {

using drive::ActionLine;

// Both windows' drivers read the same lines, so a line must mean the same to both: what
// JSON allows, and nothing else.
TEST(ActionLine, ReadsOneJsonObjectAndItsStringMembers) {
  const struct {
    const char* line;
    bool isObject;
    std::optional<std::u16string> text;  // the member "text"
  } cases[] = {
      {R"({"do":"type","text":"円"})", true, u"円"},
      {R"( { "text" : "a\"b\\c\/d" } )", true, u"a\"b\\c/d"},
      {R"({"text":"\u5186\n\t"})", true, u"円\n\t"},
      {R"({"text":"\ud83d\ude00"})", true, u"\U0001F600"},
      // A lone surrogate is typed as it stands.
      {R"({"text":"\ud800x"})", true, std::u16string{0xD800, u'x'}},
      {R"({"text":"a","text":"b"})", true, u"b"},
      {R"({"text":12})", true, std::nullopt},
      {R"({"text":null,"n":[1,-2.5e3,{"x":[true,false]}]})", true, std::nullopt},
      {R"({"do":"look"})", true, std::nullopt},
      {R"({})", true, std::nullopt},
      {R"(["text"])", false, std::nullopt},
      {R"({"text":"a"} x)", false, std::nullopt},
      {R"({"text":"a",})", false, std::nullopt},
      {R"({"text":"a\q"})", false, std::nullopt},
      {R"({"text":"\u12"})", false, std::nullopt},
      {"{\"text\":\"a\tb\"}", false, std::nullopt},
      {"{\"text\":\"\xE5\x86\"}", false, std::nullopt},
      {R"({"n":01})", false, std::nullopt},
      {R"({"text")", false, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<ActionLine> action = ActionLine::read(c.line);
    EXPECT_EQ(action.has_value(), c.isObject) << c.line;
    if (action) {
      EXPECT_EQ(action->text("text"), c.text) << c.line;
    }
  }
}

// State lines are UTF-8; a lone surrogate in a field's text is written as U+FFFD, as Qt
// writes it.
TEST(Utf, WindowTextsBecomeUtf8AndBack) {
  EXPECT_EQ(drive::toUtf8(u"円\U0001F600"), "\xE5\x86\x86\xF0\x9F\x98\x80");
  EXPECT_EQ(drive::toUtf8(std::u16string{u'a', 0xDC00, u'b'}), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(drive::fromUtf8("\xE5\x86\x86\xF0\x9F\x98\x80"), u"円\U0001F600");
  for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_EQ(drive::fromUtf8(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(drive::validUtf8("a\x80円"), "a\xEF\xBF\xBD円");
}

}  // namespace
