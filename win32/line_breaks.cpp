#include "win32/line_breaks.h"

#include <algorithm>

namespace win32 {
namespace {

bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::size_t unitsThatFit(HDC dc, std::u16string_view text, int width) {
  INT fit = 0;
  SIZE size{};
  GetTextExtentExPointW(dc, reinterpret_cast<const wchar_t*>(text.data()),
                        static_cast<int>(text.size()), width, &fit, nullptr, &size);
  return static_cast<std::size_t>(std::max(fit, 0));
}

}  // namespace

std::vector<std::u16string_view> wrappedLines(HDC dc, std::u16string_view text, int width) {
  std::vector<std::u16string_view> lines;
  while (!text.empty()) {
    std::size_t length = std::min(unitsThatFit(dc, text, width), text.size());
    if (length < text.size() && isLowSurrogate(text[length])) --length;
    if (length == 0) length = text.size() > 1 && isLowSurrogate(text[1]) ? 2 : 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

int lineHeight(HDC dc) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

bool showsWhole(HDC dc, std::u16string_view text, int width, int height) {
  return static_cast<int>(wrappedLines(dc, text, width).size()) * lineHeight(dc) <= height;
}

}  // namespace win32
