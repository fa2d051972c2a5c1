#include "win32/text_box.h"

#include <imm.h>

namespace win32 {
namespace {

DWORD styleOf(const form::Row& row) {
  return WS_TABSTOP | ES_AUTOHSCROLL |
         (row.alignment == form::Alignment::Right ? ES_RIGHT : ES_LEFT);
}

}  // namespace

TextBox::TextBox(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"EDIT", styleOf(row), WS_EX_CLIENTEDGE, id, row.text)) {
  // As long as a line edit of the Qt window may be.
  SendMessageW(hwnd(), EM_SETLIMITTEXT, 32767, 0);
  // Without an input context no input method can turn the keys into full-width text.
  if (row.inputMethodOff) ImmAssociateContextEx(hwnd(), nullptr, 0);
}

void TextBox::selectAll() { SendMessageW(hwnd(), EM_SETSEL, 0, -1); }

}  // namespace win32
