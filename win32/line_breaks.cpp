#include "win32/line_breaks.h"

#include <algorithm>

namespace win32 {
namespace {

bool isSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
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

form::LinePitch linePitch(HDC dc, std::span<const std::u16string_view> texts) {
  constexpr MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  int above = 0;
  int below = 0;
  for (std::u16string_view text : texts) {
    for (char16_t unit : text) {
      GLYPHMETRICS ink{};
      if (isSurrogate(unit) ||
          GetGlyphOutlineW(dc, unit, GGO_METRICS, &ink, 0, nullptr, &kIdentity) == GDI_ERROR) {
        continue;
      }
      above = std::max(above, static_cast<int>(ink.gmptGlyphOrigin.y));
      below = std::max(below, static_cast<int>(ink.gmBlackBoxY - ink.gmptGlyphOrigin.y));
    }
  }
  TEXTMETRICW face{};
  GetTextMetricsW(dc, &face);
  return form::linePitch(above, below, static_cast<int>(face.tmHeight));
}

}  // namespace win32
