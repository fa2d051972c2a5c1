#include "win32/message_line.h"

#include "win32/line_breaks.h"

#include <commctrl.h>

namespace win32 {
namespace {

void paint(HWND hwnd, HDC dc) {
  RECT box{};
  GetClientRect(hwnd, &box);
  // The colours of any label of the window, as its window gives them.
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(hwnd)));
  FillRect(dc, &box, brush != nullptr ? brush : GetSysColorBrush(COLOR_3DFACE));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ before =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  const Control label(hwnd);
  const std::u16string text = label.text();
  const int pitch = lineHeight(dc);
  int top = 0;
  for (std::u16string_view line : wrappedLines(dc, text, box.right)) {
    ExtTextOutW(dc, 0, top, ETO_CLIPPED, &box, reinterpret_cast<const wchar_t*>(line.data()),
                static_cast<UINT>(line.size()), nullptr);
    top += pitch;
  }
  SelectObject(dc, before);
}

LRESULT CALLBACK wrapping(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR /*data*/) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      paint(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, wrapping, id); break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

MessageLine::MessageLine(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, id, row.text)) {
  SetWindowSubclass(hwnd(), wrapping, 1, 0);
}

void MessageLine::announceAgain() {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win32
