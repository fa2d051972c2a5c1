#include "win32/message_line.h"

#include "calc/input_checks.h"
#include "win32/line_breaks.h"
#include "win32/subclass.h"

namespace win32 {
namespace {

// The colours of any label of the window, as its window gives them.
void fillBackground(HWND hwnd, HDC dc, const RECT& box) {
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(hwnd)));
  FillRect(dc, &box, brush != nullptr ? brush : GetSysColorBrush(COLOR_3DFACE));
}

void paint(HWND hwnd, HDC dc) {
  RECT box{};
  GetClientRect(hwnd, &box);
  fillBackground(hwnd, dc, box);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  HGDIOBJ before =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  const std::u16string text = Control(hwnd).text();
  const form::LinePitch pitch = linePitch(dc, calc::everyMessage());
  int baseline = pitch.firstBaseline;
  for (std::u16string_view line : wrappedLines(dc, text, box.right)) {
    ExtTextOutW(dc, 0, baseline, ETO_CLIPPED, &box, reinterpret_cast<const wchar_t*>(line.data()),
                static_cast<UINT>(line.size()), nullptr);
    baseline += pitch.lineToLine;
  }
  SelectObject(dc, before);
}

// A static control paints a new text at once, in its own way (wine's, at the face's line
// spacing): the line takes the text and paints it as it paints every text.
std::optional<LRESULT> repaintNewText(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SETTEXT) return std::nullopt;
  const LRESULT set = DefWindowProcW(hwnd, message, wParam, lParam);
  InvalidateRect(hwnd, nullptr, FALSE);
  return set;
}

}  // namespace

MessageLine::MessageLine(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, id, row.text)) {
  paintWith(hwnd(), paint);
  subclass(hwnd(), repaintNewText);
}

}  // namespace win32
