#include "win32/simple_controls.h"

#include "win32/subclass.h"

namespace win32 {
namespace {

void fillWithWindowText(HWND hwnd, HDC dc) {
  RECT box{};
  GetClientRect(hwnd, &box);
  FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
}

}  // namespace

CaptionLabel::CaptionLabel(HWND parent, const form::CaptionLabel& caption, int id)
    : Control(makeChild(parent, L"STATIC", SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX, 0, id,
                        caption.caption)) {}

Divider::Divider(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"STATIC", 0, 0, id, row.text)) {
  paintWith(hwnd(), fillWithWindowText);
}

PushButton::PushButton(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, id, row.text)) {}

}  // namespace win32
