#pragma once

#include "tests/qt/window_fixture.h"

// What a screen reader is told after a press of 計算 and after a key, a turn of the wheel or
// a pick in a combo box.
class HeardEventsTest : public QtWindowTest {
  Q_OBJECT

 private slots:
  void aNewMessageIsANotificationNamedByIt();
  void aClickIsHeardOnceForWhatItLeaves();
  void aComboBoxTellsTheOutcomeOnce();
};
