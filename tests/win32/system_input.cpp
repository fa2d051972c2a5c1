#include "tests/win32/system_input.h"

#include <array>

namespace qelmar_test {
namespace {

// Absolute positions go in 1/65536ths of the screen; rounded up, the system's scaling back
// lands on the pixel meant.
INPUT mouse(POINT point, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (point.x * 65536 + width - 1) / width;
  input.mi.dy = (point.y * 65536 + height - 1) / height;
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  return input;
}

INPUT key(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

template <std::size_t n>
void send(std::array<INPUT, n> inputs) {
  SendInput(static_cast<UINT>(n), inputs.data(), sizeof(INPUT));
}

}  // namespace

void moveMouseTo(POINT point) { send(std::array{mouse(point, 0)}); }

void clickMouseAt(POINT point) {
  send(std::array{mouse(point, 0), mouse(point, MOUSEEVENTF_LEFTDOWN),
                  mouse(point, MOUSEEVENTF_LEFTUP)});
}

void pressKeyWithShift(WORD virtualKey) {
  send(std::array{key(VK_SHIFT, 0), key(virtualKey, 0), key(virtualKey, KEYEVENTF_KEYUP),
                  key(VK_SHIFT, KEYEVENTF_KEYUP)});
}

}  // namespace qelmar_test
