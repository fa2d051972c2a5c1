#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace drive {

// What the screen shows under a window's client area: one 0xRRGGBB value per pixel, row by
// row from the top.
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rows;

  std::uint32_t at(int x, int y) const { return rows[static_cast<std::size_t>(y) * width + x]; }
  friend bool operator==(const ScreenPixels&, const ScreenPixels&) = default;
};

// The screen under `window`'s client area as it stands: the window is never asked to paint,
// so a copy shows what a user sees. The window must be on screen and uncovered.
ScreenPixels screenUnder(HWND window);

// The same once the window has stopped drawing: two copies a moment apart that agree, or
// the last one after a second.
ScreenPixels screenAtRest(HWND window);

}  // namespace drive
