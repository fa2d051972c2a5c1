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

// The keys are handled in the control's own window procedure, not in the message loop, so a
// key sent to the control behaves as a typed one.
// In a field (`keyWindow` is a text box or a combo box's edit part): Tab and Shift+Tab move
// on; Enter and Escape do nothing, without a beep, unless a list is open to close.
void handleFieldKeys(HWND keyWindow, form::Control field, KeyTarget& target);
// On the button: Tab and Shift+Tab move on, Enter presses it (Space does so by itself).
void handleButtonKeys(HWND button, KeyTarget& target);

}  // namespace win32
