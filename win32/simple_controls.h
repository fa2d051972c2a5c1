#pragma once

#include "form/window_table.h"
#include "win32/control.h"

// The controls that only show themselves, and the button.
namespace win32 {

// The label beside a field: flat and opaque on the window's background, its caption
// right-aligned. Made just before its field, so that a screen reader names the field by it.
class CaptionLabel final : public Control {
 public:
  CaptionLabel(HWND parent, const form::CaptionLabel& caption, int id);
};

// The divider: a line in the window-text colour.
class Divider final : public Control {
 public:
  Divider(HWND parent, const form::Row& row, int id);
};

// A push button showing its row's text.
class PushButton final : public Control {
 public:
  PushButton(HWND parent, const form::Row& row, int id);
};

}  // namespace win32
