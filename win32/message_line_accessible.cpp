#include "win32/message_line_accessible.h"

#include "win32/system_accessible.h"

#include <oleacc.h>

namespace win32 {

void makeAlert(const MessageLine& line) {
  changeAccessible(line.hwnd(), {.role = ROLE_SYSTEM_ALERT});
}

void announceMessage(const MessageLine& line) {
  if (line.text().empty()) return;
  NotifyWinEvent(EVENT_SYSTEM_ALERT, line.hwnd(), OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win32
