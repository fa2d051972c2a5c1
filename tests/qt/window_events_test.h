#pragma once

#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// The events that drive the window: which user actions run a handler, and which do not;
// the keys and where Tab takes the focus.
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
  void noChangeEventFromAPickOrATextSetInCode();
  void comboTextIsNeverCompletedNorInserted();
  void pickSelectsTheTextSoTypingReplacesIt();
  void enterAndEscapeNeverPressTheButton_data();
  void enterAndEscapeNeverPressTheButton();
  void keysOnTheFocusedButton_data();
  void keysOnTheFocusedButton();
  void tabAndShiftTabWalkTheStopsFromTheFirstAndWrap();

 private:
  std::unique_ptr<qt::QelmarForm> form_;
};
