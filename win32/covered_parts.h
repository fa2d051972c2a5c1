#pragma once

#include <windows.h>

#include <cstddef>

namespace win32 {

// Where two boxes of the window overlap, the later row's lies over the earlier's, as in the
// Qt window: a combo box's lower edge under the text box below it. Windows would give that
// by stacking the later control on top, but it also lists a window's controls to a screen
// reader in stacking order, which would then run from the bottom row up. So the controls
// stay stacked in the table's order, and each one leaves out of its window region the parts
// that later rows' boxes cover, at `dotsPerInch`.
void leaveOutCoveredParts(HWND control, std::size_t row, int dotsPerInch);

}  // namespace win32
