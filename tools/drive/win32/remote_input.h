#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// A user's mouse and keys at another process's controls, sent as the messages the system
// would send them. SendMessage waits until the control has handled each one, so what a
// message sets off has happened when it returns.
namespace drive {

// A left click at `at` in `hwnd`'s client area: the mouse moves there, presses, releases.
void clickAt(HWND hwnd, POINT at);
void clickCentre(HWND hwnd);

// A key press and release at `hwnd`, with the character it types (0: none).
void pressKey(HWND hwnd, UINT virtualKey, wchar_t character);
// The same with Shift held: the shared keyboard state says so while the key goes in.
void pressKeyWithShift(HWND hwnd, DWORD thread, UINT virtualKey, wchar_t character);

// Types `text` one UTF-16 code unit per character message, as an input method sends them.
void typeUnits(HWND hwnd, std::u16string_view text);

// A control's text, read with WM_GETTEXT, which the system copies across processes.
std::u16string textOf(HWND hwnd);

}  // namespace drive
