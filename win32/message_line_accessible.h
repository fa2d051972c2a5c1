#pragma once

#include "win32/message_line.h"

namespace win32 {

// Makes a screen reader meet the message line as an alert named by its message, the role of
// WAI-ARIA's "alert" in Microsoft Active Accessibility: NVDA speaks an alert as it is raised
// (announceMessage), but ignores an alert raised by an object of any other role.
void makeAlert(const MessageLine& line);

// Tells a screen reader that `line` shows its message now, the same message again included;
// nothing while it shows none.
void announceMessage(const MessageLine& line);

}  // namespace win32
