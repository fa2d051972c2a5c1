#pragma once

#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// What the user sees and walks through: places, captions, fonts, focus, input method.
class WindowLayoutTest : public QObject {
  Q_OBJECT

 public:
  WindowLayoutTest();
  ~WindowLayoutTest() override;

 private slots:
  void init();
  void cleanup();

  void elementGeometry_data();
  void elementGeometry();
  void window();
  void pictures();
  void divider();
  void eachFieldIsNamedByTheLabelBesideIt();
  void fieldLook();
  void textsFitTheirBoxes();
  void everyMessageFitsTheMessageLine();
  void fontHasJapaneseGlyphs();
  void focusAtStart();
  void tabWalksForwardAndWraps();
  void shiftTabWalksBackAndWraps();
  void decorationNeverTakesFocus();
  void inputMethodOffOnlyInTheSevenInputBoxes();

 private:
  std::unique_ptr<qt::QelmarForm> form_;
};
