#pragma once

#include <windows.h>

#include <string>

namespace drive {

// Writes what the screen shows of `window`'s client area to a PNG file at `path`; false
// when it cannot. The window must be on screen and uncovered.
bool grabClientArea(HWND window, const std::wstring& path);

}  // namespace drive
