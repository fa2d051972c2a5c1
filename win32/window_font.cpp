#include "win32/window_font.h"

#include "calc/input_checks.h"
#include "form/window_font.h"
#include "win32/line_breaks.h"

namespace win32 {
namespace {

int widthOf(HDC dc, std::u16string_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                        static_cast<int>(text.size()), &size);
  return size.cx;
}

// Measured in a screen-compatible DC, as the message line breaks and stacks its lines.
bool everyTextFits(HFONT font, int dotsPerInch) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, font);
  const std::vector<std::u16string_view> messages = calc::everyMessage();
  const form::LinePitch pitch = linePitch(dc, messages);
  const form::TextMeasure measure{
      [&](std::u16string_view text) { return widthOf(dc, text); },
      [&](std::u16string_view message, int width) {
        return form::heightOf(pitch, wrappedLines(dc, message, width).size());
      }};
  const bool fits = form::everyTextFits(measure, messages, dotsPerInch);
  SelectObject(dc, before);
  DeleteDC(dc);
  return fits;
}

}  // namespace

Font makeWindowFont(int dotsPerInch) {
  const std::wstring face = windowFace();
  const auto sized = [&](int pixels) { return fontOf(face, MulDiv(pixels, dotsPerInch, 96)); };
  return sized(form::windowFontPixels(
      [&](int pixels) { return everyTextFits(sized(pixels).get(), dotsPerInch); }));
}

}  // namespace win32
