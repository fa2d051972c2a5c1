#pragma once

#include <windows.h>

#include <cstddef>

namespace drive {

// A combo box's edit part and drop-down list, found from another process; the list only
// while it is open.
struct ComboParts {
  HWND edit;
  HWND list;
};
ComboParts partsOf(HWND combo);

// The middle of the row of item `index` in an open list, in the list's client area.
POINT itemCentre(HWND list, std::size_t index);

}  // namespace drive
