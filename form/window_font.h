#pragma once

#include <functional>
#include <span>
#include <string_view>

namespace form {

// How a toolkit measures the window's texts in one font, in its pixels.
struct TextMeasure {
  // One line of text.
  std::function<int(std::u16string_view text)> width;
  // A message broken into lines `width` wide, from the top of the first line's ink to the
  // bottom of the last one's, as the message line stacks them.
  std::function<int(std::u16string_view message, int width)> wrappedHeight;
};

// Whether every caption fits its label's width and every one of `messages` the message
// line's box, the boxes in pixels at `dotsPerInch`.
bool everyTextFits(const TextMeasure& measure, std::span<const std::u16string_view> messages,
                   int dotsPerInch = 96);

// The window font's size in pixels at 96 dots per inch: the largest from 10 down to 8 at
// which `fits` holds; 8 when none does, since below it kanji lose their strokes.
int windowFontPixels(const std::function<bool(int pixels)>& fits);

}  // namespace form
