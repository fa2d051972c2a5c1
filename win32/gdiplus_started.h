#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace win32 {

// Starts GDI+ once, for the life of the program; whether it could be started.
inline bool gdiplusStarted() {
  static const bool started = [] {
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return started;
}

}  // namespace win32
