#include "tools/drive/win32/remote_input.h"

namespace drive {
namespace {

LPARAM pointParameter(POINT at) { return MAKELPARAM(at.x, at.y); }

// The repeat count and scan code of a key message.
LPARAM keyParameter(UINT virtualKey, bool release) {
  const LPARAM scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  return 1 | scanCode << 16 | (release ? 0xC0000000 : 0);
}

void setShift(bool held) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  const BYTE state = held ? 0x80 : 0;
  keys[VK_SHIFT] = state;
  keys[VK_LSHIFT] = state;
  SetKeyboardState(keys);
}

}  // namespace

void clickAt(HWND hwnd, POINT at) {
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, pointParameter(at));
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pointParameter(at));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, pointParameter(at));
}

void clickCentre(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  clickAt(hwnd, {client.right / 2, client.bottom / 2});
}

void pressKey(HWND hwnd, UINT virtualKey, wchar_t character) {
  SendMessageW(hwnd, WM_KEYDOWN, virtualKey, keyParameter(virtualKey, false));
  if (character != 0) SendMessageW(hwnd, WM_CHAR, character, keyParameter(virtualKey, false));
  SendMessageW(hwnd, WM_KEYUP, virtualKey, keyParameter(virtualKey, true));
}

// Attached, the two threads share one keyboard state, which the control reads with
// GetKeyState.
void pressKeyWithShift(HWND hwnd, DWORD thread, UINT virtualKey, wchar_t character) {
  MSG none;
  PeekMessageW(&none, nullptr, 0, 0, PM_NOREMOVE);  // gives this thread its input queue
  const DWORD self = GetCurrentThreadId();
  const bool attached = AttachThreadInput(self, thread, TRUE) != 0;
  setShift(true);
  pressKey(hwnd, virtualKey, character);
  setShift(false);
  if (attached) AttachThreadInput(self, thread, FALSE);
}

void typeUnits(HWND hwnd, std::u16string_view text) {
  for (char16_t unit : text) SendMessageW(hwnd, WM_CHAR, unit, 1);
}

std::u16string textOf(HWND hwnd) {
  const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return {text.begin(), text.begin() + copied};
}

}  // namespace drive
