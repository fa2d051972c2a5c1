#pragma once

#include <QObject>

#include <memory>

namespace form {
class QelmarForm;
}

// The events that drive the window: which user actions run a handler, and which do not.
class WindowEventsTest : public QObject {
  Q_OBJECT

 public:
  WindowEventsTest();
  ~WindowEventsTest() override;

 private slots:
  void init();
  void cleanup();

  void formLoadFillsTheListsAndKeepsThePrompts();
  void changeEventOncePerChangingKeystroke_data();
  void changeEventOncePerChangingKeystroke();
  void pickingAnItemRaisesNoChangeEvent();
  void settingTheTextInCodeRaisesNoChangeEvent();
  void comboTextIsNeverCompletedNorInserted();
  void enterAndEscapeNeverPressTheButton_data();
  void enterAndEscapeNeverPressTheButton();
  void keysOnTheFocusedButton_data();
  void keysOnTheFocusedButton();
  void wheelChangesOnlyAFocusedCombo();
  void pickSelectsTheTextSoTypingReplacesIt();
  void screenReadersHearOfANewMessage();
  void everyDriverPickTakesEffectWhateverCameBefore();

 private:
  std::unique_ptr<form::QelmarForm> form_;
};
