#pragma once

#include "form/window_table.h"
#include "win32/control.h"

namespace win32 {

// A single-line text box with the sunken edge, its text aligned as its row says.
class TextBox final : public Control {
 public:
  TextBox(HWND parent, const form::Row& row, int id);

  void selectAll();
};

}  // namespace win32
