#pragma once

#include "tests/qt/window_fixture.h"

// The events that drive the window: which user actions run a handler, and which do not;
// the keys and where Tab takes the focus.
class WindowEventsTest : public QtWindowTest {
  Q_OBJECT

 private slots:
  void formLoadFillsTheListsAndKeepsThePrompts();
  void changeEventOncePerChangingKeystroke_data();
  void changeEventOncePerChangingKeystroke();
  void noChangeEventFromAPickOrATextSetInCode();
  void comboTextIsNeverCompletedNorInserted();
  void pickSelectsTheTextSoTypingReplacesIt();
  void enterAndEscapeNeverPressTheButton_data();
  void enterAndEscapeNeverPressTheButton();
  void keysOnTheFocusedButton_data();
  void keysOnTheFocusedButton();
  void tabAndShiftTabWalkTheStopsFromTheFirstAndWrap();
};
