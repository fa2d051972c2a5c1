#include "win32/covered_parts.h"

#include "form/window_table.h"

namespace win32 {
namespace {

RECT rectOf(const form::Rect& box) {
  return {box.left, box.top, box.left + box.width, box.top + box.height};
}

}  // namespace

void leaveOutCoveredParts(HWND control, std::size_t row, int dotsPerInch) {
  const auto rows = form::windowRows();
  const RECT own = rectOf(form::pixels(rows[row].box, dotsPerInch));
  // The box only: a combo box's window is taller, for its list, which drops in a window
  // of its own.
  HRGN region = CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top);
  bool covered = false;
  for (std::size_t later = row + 1; later < rows.size(); ++later) {
    const RECT other = rectOf(form::pixels(rows[later].box, dotsPerInch));
    RECT part{};
    if (!IntersectRect(&part, &own, &other)) continue;
    OffsetRect(&part, -own.left, -own.top);
    HRGN cut = CreateRectRgnIndirect(&part);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
    covered = true;
  }
  if (!covered) {
    DeleteObject(region);
    region = nullptr;
  }
  // The system owns the region from here on, and frees it.
  SetWindowRgn(control, region, TRUE);
}

}  // namespace win32
