#pragma once

#include "tests/qt/window_fixture.h"

// What a user of assistive technology, of an input method or of a mouse wheel meets.
class WindowAccessTest : public QtWindowTest {
  Q_OBJECT

 private slots:
  void eachFieldIsNamedByTheCaptionBesideIt();
  void inputMethodOffOnlyInTheSevenNumericInputs();
  void wheelChangesOnlyAFocusedCombo();
};
