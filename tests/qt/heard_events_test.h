#pragma once

#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// What a screen reader is told after a press of 計算 and after a key, a turn of the wheel or
// a pick in a combo box.
class HeardEventsTest : public QObject {
  Q_OBJECT

 public:
  HeardEventsTest();
  ~HeardEventsTest() override;

 private slots:
  void init();
  void cleanup();

  void aNewMessageIsANotificationNamedByIt();
  void aClickIsHeardOnceForWhatItLeaves();
  void aComboBoxTellsTheOutcomeOnce();

 private:
  std::unique_ptr<qt::QelmarForm> form_;
};
