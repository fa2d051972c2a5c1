#pragma once

#include <windows.h>

namespace drive {

// A combo box's edit part and drop-down list, found from another process; the list only
// while it is open.
struct ComboParts {
  HWND edit;
  HWND list;
};
ComboParts partsOf(HWND combo);

}  // namespace drive
