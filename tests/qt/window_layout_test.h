#pragma once

#include "tests/qt/window_fixture.h"

// What the user sees: places, captions, pictures, fonts that fit.
class WindowLayoutTest : public QtWindowTest {
  Q_OBJECT

 private slots:
  void elementGeometry_data();
  void elementGeometry();
  void window();
  void pictures();
  void divider();
  void fieldLook();
  void textsFitTheirBoxes();
  void everyMessageFitsTheMessageLine();
  void fontHasJapaneseGlyphs();
  void decorationNeverTakesFocus();
};
