#pragma once

#include <QString>

class QWidget;

// Keys and the mouse wheel as a user's hands make them: events Qt takes for the window
// system's own, so they reach Qt's paths for such input (a wheel turned over a widget that
// takes the focus from the wheel gives it the focus).
namespace qelmar_test {

// A key press and release where the focus is in `target`'s window: "<Name>" for an editing
// key (Left, End, Backspace, Delete, SelectAll), else the character.
void press(QWidget* target, const QString& key);

// One notch of the mouse wheel, turned away from the user, with the pointer over the
// middle of `target`.
void turnWheelUp(QWidget* target);

}  // namespace qelmar_test
