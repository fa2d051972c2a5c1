#pragma once

#include <memory>

#include "form/window_table.h"
#include "win32/control.h"
#include "win32/keys.h"

namespace win32 {

// The control that realises a row of the window table, a child of `form` with the ID `id`,
// showing its start text, its keys handled with `keys`, named by its caption for a screen
// reader. A combo box's list is filled later, by Form_Load.
std::unique_ptr<Control> makeControl(HWND form, const form::Row& row, int id, KeyTarget& keys);

// The caption label beside a field: flat and opaque on the window's background, its caption
// right-aligned. Made just before its field, so that a screen reader names the field by it.
std::unique_ptr<Control> makeCaptionLabel(HWND form, const form::CaptionLabel& caption, int id);

}  // namespace win32
