#pragma once

#include <memory>

#include "form/window_table.h"
#include "win32/control.h"
#include "win32/keys.h"

namespace win32 {

// The control that realises a row of the window table, a child of `form` with the ID `id`,
// showing its start text, its keys handled with `keys`. A combo box's list is filled later,
// by Form_Load.
std::unique_ptr<Control> makeControl(HWND form, const form::Row& row, int id, KeyTarget& keys);

}  // namespace win32
