#pragma once

#include "form/window_table.h"

namespace form {

// The element the window opens with the focus in: the lowest tab index.
Control firstTabStop();

// Where Tab (or Shift+Tab, `backwards`) moves the focus from `from`: the focusable element
// with the next higher (lower) tab index, wrapping at the ends. From an element that takes
// no focus, the first stop.
Control nextTabStop(Control from, bool backwards);

}  // namespace form
