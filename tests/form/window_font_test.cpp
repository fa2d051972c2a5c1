#include "form/window_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(WindowFont, TheLargestSizeFromTenDownToEightAtWhichEveryTextFits) {
  const struct {
    const char* name;
    std::vector<int> fitting;
    int pixels;
  } cases[] = {
      {"everything fits at 10", {8, 9, 10}, 10},
      {"a caption needs 9", {8, 9}, 9},
      {"only the smallest", {8}, 8},
      {"nothing fits: the smallest readable", {}, 8},
      {"larger sizes are never tried", {10, 11, 12}, 10},
      {"nor smaller ones", {6, 7}, 8},
  };
  for (const auto& c : cases) {
    const auto fits = [&](int pixels) {
      return std::find(c.fitting.begin(), c.fitting.end(), pixels) != c.fitting.end();
    };
    EXPECT_EQ(form::windowFontPixels(fits), c.pixels) << c.name;
  }
}

// A caption's label is 150 x 14 pixels at 96 dpi, the message line 153 x 25.
TEST(WindowFont, EveryCaptionFitsItsLabelsWidthAndEveryMessageTheMessageLinesBox) {
  const struct {
    const char* name;
    int dotsPerInch;
    int captionWidth;
    int lineWidth;
    int messageHeight;
    bool fits;
  } cases[] = {
      {"as wide as the label, as tall as the line", 96, 150, 153, 25, true},
      {"a caption a pixel wider than its label", 96, 151, 153, 25, false},
      {"a message a pixel taller than the line", 96, 150, 153, 26, false},
      {"150 % density: the boxes half as large again", 144, 225, 230, 38, true},
      {"150 %: a caption a pixel wider", 144, 226, 230, 38, false},
      {"150 %: a message a pixel taller", 144, 225, 230, 39, false},
  };
  const std::u16string_view messages[] = {u"口座種別を選択してください"};
  for (const auto& c : cases) {
    const form::TextMeasure measure{
        // The result column's caption with brackets the label's name lacks: measured as shown.
        [&](std::u16string_view text) {
          return text == u"ロスカット到達レート（買）" ? c.captionWidth : 0;
        },
        // Broken anywhere but at the message line's width, the message would not fit.
        [&](std::u16string_view message, int width) {
          return message == messages[0] && width == c.lineWidth ? c.messageHeight : 1000;
        }};
    EXPECT_EQ(form::everyTextFits(measure, messages, c.dotsPerInch), c.fits) << c.name;
  }
}

}  // namespace
