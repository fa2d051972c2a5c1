// The window's events: its messages, the three handlers, the keys and the density.
#include "win32/qelmar_form.h"

#include "calc/window_events.h"
#include "form/tab_order.h"
#include "win32/combo_box.h"
#include "win32/control_ids.h"
#include "win32/message_line.h"
#include "win32/message_line_accessible.h"
#include "win32/text_box.h"
#include "win32/window_place.h"

namespace win32 {

LRESULT CALLBACK QelmarForm::windowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* window = reinterpret_cast<QelmarForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->hwnd_ == nullptr) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return window->handle(message, wParam, lParam);
}

LRESULT QelmarForm::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      activate(LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0);
      return 0;
    case WM_SETFOCUS:
      SetFocus(lastFocus_);
      return 0;
    case WM_DPICHANGED:
      moveToDensity(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void QelmarForm::command(int id, int code) {
  const auto row = rowOfControlId(id);
  if (!row) return;
  const form::Control element = form::windowRows()[*row].control;
  if (element == form::Control(form::Element::計算) && code == BN_CLICKED) {
    計算_Click();
  } else if (code == CBN_KILLFOCUS) {
    // A box that keeps its text's selection on show looks as if it still had the focus.
    control<ComboBox>(element).deselect();
  } else if (element == form::Control(form::Field::取引通貨Combo) && code == CBN_EDITCHANGE) {
    // Only the user's own edits: picking an item or setting the text in code raises none.
    取引通貨Combo_Change();
  }
}

// The focus leaves with the window and comes back to where it was.
void QelmarForm::activate(bool active) {
  if (!active) {
    HWND focused = GetFocus();
    if (focused != nullptr && IsChild(hwnd_, focused)) lastFocus_ = focused;
  } else if (IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

void QelmarForm::Form_Load() {
  for (const form::Row& row : form::windowRows()) {
    if (row.items.empty()) continue;
    auto& combo = control<ComboBox>(row.control);
    for (std::u16string_view item : row.items) combo.addItem(item);
  }
  calc::Form_Load(*this);
}

// Every press that leaves a message announces it: the same message again changes no text, but
// a user who presses again must still hear that the fault stands.
void QelmarForm::計算_Click() {
  calc::計算_Click(*this);
  announceMessage(control<MessageLine>(form::Field::Label1));
}

void QelmarForm::取引通貨Combo_Change() { calc::取引通貨Combo_Change(*this); }

void QelmarForm::tabFrom(form::Control from, bool backwards) {
  focus(form::nextTabStop(from, backwards));
}

void QelmarForm::press計算() { 計算_Click(); }

// As Tab leaves it in a dialog: a field's whole text selected.
void QelmarForm::focus(form::Control target) {
  Control& next = control(target);
  SetFocus(next.hwnd());
  if (auto* box = dynamic_cast<TextBox*>(&next)) box->selectAll();
  if (auto* combo = dynamic_cast<ComboBox*>(&next)) combo->selectAll();
}

// Keeps the client area's size in the new density's pixels, where the system puts it. The
// frame is measured again once it has moved, in case it is not yet the new density's.
void QelmarForm::moveToDensity(int dotsPerInch, const RECT& suggested) {
  const SIZE size =
      windowSize(GetWindowLongW(hwnd_, GWL_STYLE), GetWindowLongW(hwnd_, GWL_EXSTYLE), dotsPerInch);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const form::Rect client = form::pixels(form::windowBox(), dotsPerInch);
  RECT shown{};
  GetClientRect(hwnd_, &shown);
  if (shown.right != client.width || shown.bottom != client.height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx + client.width - shown.right,
                 size.cy + client.height - shown.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  layOut(dotsPerInch);
}

}  // namespace win32
