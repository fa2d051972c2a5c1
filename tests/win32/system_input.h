#pragma once

#include <windows.h>

// The system's own mouse and keyboard, as a user's hands drive them: input that the system
// routes to the window under the pointer or to the one with the focus, as it routes a
// real device's.
namespace qelmar_test {

// Points in the screen's pixels.
void moveMouseTo(POINT point);
void clickMouseAt(POINT point);

void pressKeyWithShift(WORD virtualKey);

}  // namespace qelmar_test
