#include "win32/simple_controls.h"

#include <commctrl.h>

namespace win32 {
namespace {

LRESULT CALLBACK windowTextColour(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR /*data*/) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT box{};
      GetClientRect(hwnd, &box);
      FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, windowTextColour, id); break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

CaptionLabel::CaptionLabel(HWND parent, const form::CaptionLabel& caption, int id)
    : Control(makeChild(parent, L"STATIC", SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX, 0, id,
                        caption.caption)) {}

Divider::Divider(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"STATIC", 0, 0, id, row.text)) {
  SetWindowSubclass(hwnd(), windowTextColour, 1, 0);
}

PushButton::PushButton(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, id, row.text)) {}

}  // namespace win32
