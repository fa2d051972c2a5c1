#pragma once

#include "form/window_table.h"
#include "win32/control.h"

namespace win32 {

// The message line: a flat label whose message wraps in its box, broken between
// characters (wrappedLines) and stacked at the pitch of the ink of every message
// (linePitch); what does not fit the box's height is cut off. A screen reader reads the
// message as the label's name (and meets the label as an alert, once makeAlert has run).
class MessageLine final : public Control {
 public:
  MessageLine(HWND parent, const form::Row& row, int id);
};

}  // namespace win32
