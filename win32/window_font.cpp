#include "win32/window_font.h"

#include "calc/input_checks.h"
#include "form/window_table.h"
#include "win32/line_breaks.h"

#include <algorithm>
#include <array>
#include <functional>

namespace win32 {
namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool systemHas(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

// Measures in a screen-compatible DC with `font` selected.
bool measured(HFONT font, const std::function<bool(HDC)>& test) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, font);
  const bool result = test(dc);
  SelectObject(dc, before);
  DeleteDC(dc);
  return result;
}

Font fontOf(const std::wstring& face, int pixels) {
  LOGFONTW font{};
  font.lfHeight = -pixels;  // the em, as a pixel size
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace

std::wstring windowFace() {
  constexpr std::array kFaces{L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic"};
  for (const wchar_t* face : kFaces) {
    if (systemHas(face)) return face;
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfMessageFont.lfFaceName;
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
