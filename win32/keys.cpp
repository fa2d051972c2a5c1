#include "win32/keys.h"

#include <commctrl.h>

namespace win32 {
namespace {

struct Route {
  form::Control control;
  KeyTarget* target;
};

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

// Tab and Shift+Tab move the focus along the window's tab stops, from any control.
bool tabbed(const Route& route, WPARAM key) {
  if (key != VK_TAB) return false;
  route.target->tabFrom(route.control, shiftHeld());
  return true;
}

bool isEnterOrEscape(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }
bool isEnterOrEscapeCharacter(WPARAM c) { return c == L'\r' || c == L'\n' || c == 0x1B; }

LRESULT CALLBACK fieldKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                           DWORD_PTR data) {
  auto* route = reinterpret_cast<Route*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (tabbed(*route, wParam)) return 0;
      if (isEnterOrEscape(wParam) && !listOpen(hwnd)) return 0;
      break;
    case WM_CHAR:
      // The character of a key handled above.
      if (wParam == L'\t' || (isEnterOrEscapeCharacter(wParam) && !listOpen(hwnd))) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, fieldKeys, id);
      delete route;
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK buttonKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                            DWORD_PTR data) {
  auto* route = reinterpret_cast<Route*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (tabbed(*route, wParam)) return 0;
      if (wParam == VK_RETURN) {
        route->target->press計算();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\t' || isEnterOrEscapeCharacter(wParam)) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, buttonKeys, id);
      delete route;
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void handleFieldKeys(HWND keyWindow, form::Control field, KeyTarget& target) {
  SetWindowSubclass(keyWindow, fieldKeys, 1,
                    reinterpret_cast<DWORD_PTR>(new Route{field, &target}));
}

void handleButtonKeys(HWND button, KeyTarget& target) {
  SetWindowSubclass(button, buttonKeys, 1,
                    reinterpret_cast<DWORD_PTR>(new Route{form::Element::計算, &target}));
}

}  // namespace win32
