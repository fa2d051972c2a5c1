#pragma once

#include <windows.h>

#include "form/geometry.h"

namespace win32 {

// A box of the window in pixels as Windows writes a rectangle: its edges.
inline RECT nativeRect(const form::Rect& box) {
  return {box.left, box.top, box.left + box.width, box.top + box.height};
}

}  // namespace win32
