#include "win32/window_place.h"

#include "form/geometry.h"
#include "form/window_table.h"

#include <shellscalingapi.h>

namespace win32 {
namespace {

form::Margins frameAt(DWORD style, DWORD extendedStyle, int dotsPerInch) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dotsPerInch));
  return {-frame.left, -frame.top, frame.right, frame.bottom};
}

int densityOf(HMONITOR monitor) {
  UINT x = 96;
  UINT y = 96;
  if (GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y) != S_OK) return 96;
  return static_cast<int>(x);
}

}  // namespace

Opening openingOf(DWORD style, DWORD extendedStyle) {
  const form::Rect wanted = form::pixels(form::windowBox(), static_cast<int>(GetDpiForSystem()));
  HMONITOR monitor = MonitorFromPoint({wanted.left, wanted.top}, MONITOR_DEFAULTTOPRIMARY);
  const int dotsPerInch = densityOf(monitor);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  const RECT& work = info.rcWork;

  const form::Rect client = form::pixels(form::windowBox(), dotsPerInch);
  const form::Margins frame = frameAt(style, extendedStyle, dotsPerInch);
  const form::Point place = form::openingPlace(
      client, frame, {work.left, work.top, work.right - work.left, work.bottom - work.top});
  return {{place.x - frame.left, place.y - frame.top, place.x + client.width + frame.right,
           place.y + client.height + frame.bottom},
          dotsPerInch};
}

SIZE windowSize(DWORD style, DWORD extendedStyle, int dotsPerInch) {
  const form::Rect client = form::pixels(form::windowBox(), dotsPerInch);
  const form::Margins frame = frameAt(style, extendedStyle, dotsPerInch);
  return {frame.left + client.width + frame.right, frame.top + client.height + frame.bottom};
}

}  // namespace win32
