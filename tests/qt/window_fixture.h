#pragma once

#include <QObject>

#include <memory>

namespace qt {
class QelmarForm;
}

// The window as the program opens it, afresh for each test function of a Qt Test class that
// derives from this one, in this process, for what scenario files cannot see.
class QtWindowTest : public QObject {
  Q_OBJECT

 public:
  QtWindowTest();
  ~QtWindowTest() override;

 protected:
  std::unique_ptr<qt::QelmarForm> form_;

 private slots:
  void init();
  void cleanup();
};
