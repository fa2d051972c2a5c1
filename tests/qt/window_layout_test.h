#pragma once

#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// What the user sees: places, captions, pictures, fonts that fit.
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
  void fieldLook();
  void textsFitTheirBoxes();
  void everyMessageFitsTheMessageLine();
  void fontHasJapaneseGlyphs();
  void decorationNeverTakesFocus();

 private:
  std::unique_ptr<qt::QelmarForm> form_;
};
