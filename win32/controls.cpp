#include "win32/controls.h"

#include "win32/banner.h"
#include "win32/combo_box.h"
#include "win32/combo_box_accessible.h"
#include "win32/message_line.h"
#include "win32/message_line_accessible.h"
#include "win32/subclass.h"
#include "win32/text_box.h"

#include <stdexcept>

namespace win32 {
namespace {

void fillWithWindowText(HWND hwnd, HDC dc) {
  RECT box{};
  GetClientRect(hwnd, &box);
  FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
}

std::unique_ptr<Control> textBox(HWND form, const form::Row& row, int id, KeyTarget& keys) {
  auto box = std::make_unique<TextBox>(form, row, id);
  handleKeys(box->hwnd(), row.control, keys);
  return box;
}

std::unique_ptr<Control> comboBox(HWND form, const form::Row& row, int id, KeyTarget& keys) {
  auto combo = std::make_unique<ComboBox>(form, row, id);
  handleKeys(combo->editPart(), row.control, keys);
  nameByCaption(*combo, row.caption->caption);
  return combo;
}

std::unique_ptr<Control> messageLine(HWND form, const form::Row& row, int id) {
  auto line = std::make_unique<MessageLine>(form, row, id);
  makeAlert(*line);
  return line;
}

// A line in the window-text colour.
std::unique_ptr<Control> divider(HWND form, const form::Row& row, int id) {
  auto line = std::make_unique<Control>(makeChild(form, L"STATIC", 0, 0, id, row.text));
  paintWith(line->hwnd(), fillWithWindowText);
  return line;
}

std::unique_ptr<Control> button(HWND form, const form::Row& row, int id, KeyTarget& keys) {
  auto button = std::make_unique<Control>(
      makeChild(form, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, id, row.text));
  handleKeys(button->hwnd(), row.control, keys);
  return button;
}

}  // namespace

std::unique_ptr<Control> makeControl(HWND form, const form::Row& row, int id, KeyTarget& keys) {
  switch (row.kind) {
    case form::Kind::TextBox: return textBox(form, row, id, keys);
    case form::Kind::ComboBox: return comboBox(form, row, id, keys);
    case form::Kind::MessageLine: return messageLine(form, row, id);
    case form::Kind::Picture: return std::make_unique<Banner>(form, row, id);
    case form::Kind::Line: return divider(form, row, id);
    case form::Kind::Button: return button(form, row, id, keys);
  }
  throw std::logic_error("a row of a kind the Win32 window cannot make");
}

std::unique_ptr<Control> makeCaptionLabel(HWND form, const form::CaptionLabel& caption, int id) {
  return std::make_unique<Control>(makeChild(
      form, L"STATIC", SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX, 0, id, caption.caption));
}

}  // namespace win32
