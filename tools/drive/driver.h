#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <memory>

namespace form {
class QelmarForm;
}

namespace drive {

// Plays a user at the real window: one action in, one line out.
class Driver {
 public:
  Driver();  // with a fresh window open
  ~Driver();

  // Performs the action of one input line and returns the state line that follows it,
  // or an error line, after which the window is as it was.
  QByteArray perform(const QByteArray& line);

 private:
  void reset();
  void type(const QJsonObject& action);
  void pick(const QJsonObject& action);
  void click();
  void key(const QJsonObject& action);
  void grab(const QJsonObject& action);

  std::unique_ptr<form::QelmarForm> form_;
};

}  // namespace drive
