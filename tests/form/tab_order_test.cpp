#include "form/tab_order.h"

#include <gtest/gtest.h>

namespace {

using form::Control;
using form::Element;
using form::Field;

TEST(TabOrder, InputsThenTheButtonThenResultsWrappingBothWays) {
  const struct {
    Control from;
    bool backwards;
    Control to;
  } cases[] = {
      {Field::口座残高text, false, Field::口座種別Combo},
      {Field::強制ロスカット証拠金維持率text, false, Element::計算},
      {Element::計算, false, Field::オーダーの適正ロットtext},
      {Field::ロスカット到達レート売text, false, Field::口座残高text},
      {Field::口座残高text, true, Field::ロスカット到達レート売text},
      {Field::オーダーの適正ロットtext, true, Element::計算},
      {Element::計算, true, Field::強制ロスカット証拠金維持率text},
      {Field::Label1, false, Field::口座残高text},  // takes no focus
      {Element::Image1, true, Field::口座残高text},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(form::nextTabStop(c.from, c.backwards), c.to)
        << form::rowIndex(c.from) << (c.backwards ? " back" : "");
  }
  EXPECT_EQ(form::firstTabStop(), Control(Field::口座残高text));
}

TEST(TabOrder, NineteenTabsComeBackWhereTheyStarted) {
  Control at = form::firstTabStop();
  int steps = 0;
  do {
    at = form::nextTabStop(at, false);
    ++steps;
  } while (at != form::firstTabStop() && steps < 100);
  EXPECT_EQ(steps, 19);
}

}  // namespace
