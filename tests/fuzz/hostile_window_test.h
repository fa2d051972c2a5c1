#pragma once

// Kept free of calc/ headers: moc cannot read their Japanese enumerators.
#include <QString>

#include "tests/qt/window_fixture.h"

// Hostile pastes into the real window, then a press of 計算: the window must end in one
// of the two states with a message that names the field to fix. Pastes, because a text of
// 32,767 characters (a line edit's limit) or a lone surrogate cannot be typed key by key.
class HostileWindowTest : public QtWindowTest {
  Q_OBJECT

 private slots:
  void paste_data();
  void paste();

 private:
  void pasteInto(int field, const QString& text);
};
