#pragma once

#include <windows.h>

#include <string>

namespace drive {

// Writes what the screen shows of `window`'s client area, once the window has stopped
// drawing, to a PNG file at `path`; false when it cannot. The window is never asked to
// paint. It must be on screen and uncovered.
bool grabClientArea(HWND window, const std::wstring& path);

}  // namespace drive
