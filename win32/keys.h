#pragma once

#include <windows.h>

#include "form/window_table.h"

namespace win32 {

// What the keys of a control ask of the window that holds it.
class KeyTarget {
 public:
  // Tab (Shift+Tab: `backwards`) in the control that shows `from`.
  virtual void tabFrom(form::Control from, bool backwards) = 0;
  // Enter on the 計算 button.
  virtual void press計算() = 0;

 protected:
  ~KeyTarget() = default;
};

// Handles the keys of the control that realises `control`, in the window `keyWindow` that
// takes them (a combo box's edit part), in its own window procedure rather than in the
// message loop, so a key sent to the control behaves as a typed one. Tab and Shift+Tab move
// on. In a field, Enter and Escape do nothing, without a beep, unless a list is open to
// close; on the 計算 button Enter presses it (Space does so by itself).
void handleKeys(HWND keyWindow, form::Control control, KeyTarget& target);

}  // namespace win32
