#pragma once

#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// What a user of assistive technology, of an input method or of a mouse wheel meets.
class WindowAccessTest : public QObject {
  Q_OBJECT

 public:
  WindowAccessTest();
  ~WindowAccessTest() override;

 private slots:
  void init();
  void cleanup();

  void eachFieldIsNamedByTheCaptionBesideIt();
  void inputMethodOffOnlyInTheSevenNumericInputs();
  void wheelChangesOnlyAFocusedCombo();

 private:
  std::unique_ptr<qt::QelmarForm> form_;
};
