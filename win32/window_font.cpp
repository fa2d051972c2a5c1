#include "win32/window_font.h"

#include "calc/input_checks.h"
#include "form/window_table.h"
#include "win32/line_breaks.h"
#include "win32/window_face.h"

#include <algorithm>
#include <functional>

namespace win32 {
namespace {

// Measures in a screen-compatible DC with `font` selected.
bool measured(HFONT font, const std::function<bool(HDC)>& test) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, font);
  const bool result = test(dc);
  SelectObject(dc, before);
  DeleteDC(dc);
  return result;
}

}  // namespace

Font fontOf(const std::wstring& face, int pixels) {
  LOGFONTW font{};
  font.lfHeight = -pixels;  // the em, as a pixel size
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&font));
}

bool captionsFit(HFONT font, int dotsPerInch) {
  return measured(font, [&](HDC dc) {
    return std::ranges::all_of(form::windowRows(), [&](const form::Row& row) {
      if (!row.caption) return true;
      SIZE size{};
      const std::u16string_view caption = row.caption->caption;
      GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(caption.data()),
                            static_cast<int>(caption.size()), &size);
      return size.cx <= form::pixels(row.caption->box, dotsPerInch).width;
    });
  });
}

bool messagesFit(HFONT font, int dotsPerInch) {
  const form::Rect line = form::pixels(form::rowOf(form::Field::Label1).box, dotsPerInch);
  const std::vector<std::u16string_view> messages = calc::everyMessage();
  return measured(font, [&](HDC dc) {
    const LinePitch pitch = linePitch(dc, messages);
    return std::ranges::all_of(messages, [&](std::u16string_view message) {
      return heightOf(pitch, wrappedLines(dc, message, line.width).size()) <= line.height;
    });
  });
}

Font makeWindowFont(int dotsPerInch) {
  const std::wstring face = windowFace();
  constexpr int kLargest = 10;
  constexpr int kSmallest = 8;  // below this kanji lose their strokes
  for (int size = kLargest;; --size) {
    Font font = fontOf(face, MulDiv(size, dotsPerInch, 96));
    if (size == kSmallest ||
        (captionsFit(font.get(), dotsPerInch) && messagesFit(font.get(), dotsPerInch))) {
      return font;
    }
  }
}

}  // namespace win32
