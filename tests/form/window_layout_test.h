#pragma once

#include <QObject>

#include <memory>

namespace form {
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
  void openingPlace_data();
  void openingPlace();
  void pictures();
  void divider();
  void captions_data();
  void captions();
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
  std::unique_ptr<form::QelmarForm> form_;
};
