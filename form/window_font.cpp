#include "form/window_font.h"

#include <algorithm>

#include "form/window_table.h"

namespace form {

bool everyTextFits(const TextMeasure& measure, std::span<const std::u16string_view> messages,
                   int dotsPerInch) {
  const auto rows = windowRows();
  const bool captionsFit = std::all_of(rows.begin(), rows.end(), [&](const Row& row) {
    return !row.caption ||
           measure.width(row.caption->caption) <= pixels(row.caption->box, dotsPerInch).width;
  });
  const Rect line = pixels(rowOf(Field::Label1).box, dotsPerInch);
  return captionsFit && std::all_of(messages.begin(), messages.end(), [&](auto message) {
           return measure.wrappedHeight(message, line.width) <= line.height;
         });
}

int windowFontPixels(const std::function<bool(int pixels)>& fits) {
  constexpr int kLargest = 10;
  constexpr int kSmallest = 8;
  for (int pixels = kLargest; pixels > kSmallest; --pixels) {
    if (fits(pixels)) return pixels;
  }
  return kSmallest;
}

}  // namespace form
