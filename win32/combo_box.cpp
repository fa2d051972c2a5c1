#include "win32/combo_box.h"

#include "win32/wide_text.h"

#include <commctrl.h>

namespace win32 {
namespace {

LRESULT CALLBACK wheelOnlyWhenFocused(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR /*data*/) {
  if (message == WM_MOUSEWHEEL) {
    HWND focus = GetFocus();
    if (focus != hwnd && GetParent(focus) != hwnd) return 0;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, wheelOnlyWhenFocused, id);
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// An edit part keeps a turn of the wheel to itself, where its box would change the item.
LRESULT CALLBACK wheelToTheBox(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR /*data*/) {
  if (message == WM_MOUSEWHEEL) return SendMessageW(GetParent(hwnd), message, wParam, lParam);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, wheelToTheBox, id);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

int closedHeight(HWND combo) {
  RECT box{};
  GetWindowRect(combo, &box);
  return box.bottom - box.top;
}

// Asks for the selection field's height that makes the closed box `height` tall, as far as
// the system goes. Each try corrects what was asked, not what the box reports: wine's box
// reports two pixels more than it was asked for.
void fitClosedHeight(HWND combo, int height) {
  auto asked = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int tries = 0; tries < 3 && closedHeight(combo) != height; ++tries) {
    asked += height - closedHeight(combo);
    if (asked < 1) return;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
  }
}

}  // namespace

ComboBox::ComboBox(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, WC_COMBOBOXW,
                        WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, id,
                        row.text)) {
  // A combo box takes no text from its making: the edit part gets the prompt here.
  setText(row.text);
  SetWindowSubclass(hwnd(), wheelOnlyWhenFocused, 1, 0);
  SetWindowSubclass(editPart(), wheelToTheBox, 1, 0);
}

void ComboBox::addItem(std::u16string_view item) {
  const std::wstring text = wide(item);
  SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND ComboBox::editPart() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(hwnd(), &info);
  return info.hwndItem;
}

void ComboBox::selectAll() { SendMessageW(hwnd(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1)); }

void ComboBox::deselect() { SendMessageW(editPart(), EM_SETSEL, -1, 0); }

// The closed box's height follows the font; its item height is set so that it comes out
// as tall as its row says.
void ComboBox::place(const form::Rect& box, int dotsPerInch) {
  const auto items = SendMessageW(hwnd(), CB_GETCOUNT, 0, 0);
  const auto itemHeight = SendMessageW(hwnd(), CB_GETITEMHEIGHT, 0, 0);
  const int listHeight = static_cast<int>((items + 1) * itemHeight) + dotsPerInch / 24;
  fitClosedHeight(hwnd(), box.height);
  Control::place({box.left, box.top, box.width, box.height + listHeight}, dotsPerInch);
}

}  // namespace win32
