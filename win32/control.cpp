#include "win32/control.h"

#include "win32/wide_text.h"

#include <stdexcept>

namespace win32 {

std::u16string Control::text() const {
  const auto length = SendMessageW(hwnd_, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return utf16(text);
}

void Control::setText(std::u16string_view text) {
  const std::wstring value = wide(text);
  SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void Control::setFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::place(const form::Rect& box, int /*dotsPerInch*/) {
  SetWindowPos(hwnd_, nullptr, box.left, box.top, box.width, box.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND makeChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD extendedStyle, int id,
               std::u16string_view text) {
  const std::wstring caption = wide(text);
  // Made at the bottom of the z-order, under every control made before it, and clipped by
  // the controls over it: what shows where two overlap never depends on which painted last.
  HWND child = CreateWindowExW(extendedStyle, windowClass, caption.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child == nullptr) throw std::runtime_error("cannot make a control of the window");
  return child;
}

}  // namespace win32
