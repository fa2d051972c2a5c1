#pragma once

#include <QAccessibleBridge>
#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// Hears what assistive technology is told (window_events_test.cpp), as the platform's own
// bridge does: Qt hands events to an update handler only while a screen reader is active,
// which never happens offscreen, but a bridge gets them all the same.
class HeardEventsPlugin final : public QAccessibleBridgePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "heard_events.json")

 public:
  QAccessibleBridge* create(const QString& key) override;
};

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
  void aClickIsHeardOnceForWhatItLeaves();
  void aComboBoxTellsTheOutcomeOnce();
  void everyDriverPickTakesEffectWhateverCameBefore();

 private:
  std::unique_ptr<qt::QelmarForm> form_;
};
