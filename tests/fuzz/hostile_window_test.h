#pragma once

// Kept free of calc/ headers: moc cannot read their Japanese enumerators.
#include <QObject>
#include <QString>

#include <memory>

namespace qt {
class QelmarForm;
}

// Hostile pastes into the real window, then a press of 計算: the window must end in one
// of the two states with a message that names the field to fix. Pastes, because a text of
// 32,767 characters (a line edit's limit) or a lone surrogate cannot be typed key by key.
class HostileWindowTest : public QObject {
  Q_OBJECT

 public:
  HostileWindowTest();
  ~HostileWindowTest() override;

 private slots:
  void init();
  void cleanup();
  void paste_data();
  void paste();

 private:
  void pasteInto(int field, const QString& text);

  std::unique_ptr<qt::QelmarForm> form_;
};
