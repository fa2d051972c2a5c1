#pragma once

class QLabel;

namespace qt {

// Lets assistive technology meet the message line (MessageLine) as a notification named by
// its message, the AT-SPI role of WAI-ARIA's "alert": Orca 43 speaks a notification as it
// shows, whereas it ignores a change of a label's text (a name change) away from the focus,
// so a press that failed would be silent. Takes effect for lines made after it; installing
// twice does nothing more.
void installMessageLineAccessible();

// Tells a screen reader that `line` shows its message now, the same message again included;
// nothing while it shows none.
void announceMessage(QLabel* line);

}  // namespace qt
