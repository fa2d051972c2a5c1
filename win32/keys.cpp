#include "win32/keys.h"

#include "win32/subclass.h"

#include <commctrl.h>

namespace win32 {
namespace {

bool shiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// A combo box's edit part passes Enter and Escape on to its box, which needs them while its
// list is open.
bool listOpen(HWND keyWindow) {
  HWND parent = GetParent(keyWindow);
  wchar_t windowClass[16]{};
  GetClassNameW(parent, windowClass, 16);
  return lstrcmpiW(windowClass, WC_COMBOBOXW) == 0 &&
         SendMessageW(parent, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool isEnterOrEscape(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }
bool isEnterOrEscapeCharacter(WPARAM c) { return c == L'\r' || c == L'\n' || c == 0x1B; }

// What the control never sees: Tab and Shift+Tab, which move the focus along the window's
// tab stops from `from`; on the button Enter, which presses it; in a field Enter and Escape
// unless a list is open; and the characters of those keys.
std::optional<LRESULT> answerKey(HWND hwnd, UINT message, WPARAM key, form::Control from,
                                 KeyTarget& target) {
  const bool onButton = from == form::Control(form::Element::計算);
  const auto enterAndEscapeKept = [&] { return onButton || !listOpen(hwnd); };
  if (message == WM_KEYDOWN) {
    if (key == VK_TAB) {
      target.tabFrom(from, shiftHeld());
      return 0;
    }
    if (onButton && key == VK_RETURN) {
      target.press計算();
      return 0;
    }
    if (!onButton && isEnterOrEscape(key) && enterAndEscapeKept()) return 0;
  } else if (message == WM_CHAR) {
    if (key == L'\t' || (isEnterOrEscapeCharacter(key) && enterAndEscapeKept())) return 0;
  }
  return std::nullopt;
}

}  // namespace

void handleKeys(HWND keyWindow, form::Control control, KeyTarget& target) {
  subclass(keyWindow, [control, &target](HWND hwnd, UINT message, WPARAM key, LPARAM) {
    return answerKey(hwnd, message, key, control, target);
  });
}

}  // namespace win32
