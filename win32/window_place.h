#pragma once

#include <windows.h>

namespace win32 {

// Where the window opens: its client area at its own place, scaled to the density of the
// monitor there, or moved the least that fits the whole window, frame and title bar
// included, on that monitor's work area.
struct Opening {
  RECT window;  // frame included, in screen pixels
  int dotsPerInch;
};
Opening openingOf(DWORD style, DWORD extendedStyle);

// The window's outer size for its client area at `dotsPerInch`.
SIZE windowSize(DWORD style, DWORD extendedStyle, int dotsPerInch);

}  // namespace win32
