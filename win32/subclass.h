#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace win32 {

// What a control is given to do with a message before its own window procedure: the
// answer, or nothing to let the control answer as it would.
using MessageHandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// Puts `handler` in front of the control's window procedure for the control's whole life.
// The control owns it, with whatever it holds, and drops it as it is destroyed. A control
// may take several; the one put last sees a message first.
void subclass(HWND control, MessageHandler handler);

// The control shows only what `paint` draws in its client area: no background of its own.
void paintWith(HWND control, std::function<void(HWND, HDC)> paint);

}  // namespace win32
