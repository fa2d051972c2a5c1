#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace drive {

// Focuses `field` (a text box or a combo box), selects its whole text with Ctrl+A and
// types `text` one key press per character; an empty text deletes the selection.
void typeText(QWidget* field, const QString& text);

// Moves the mouse to the combo box's arrow and clicks it, waits for the list to show,
// moves to the item at `index` and clicks it, then waits until the list has closed, the
// window is active again and the focus is in the combo box. Returns what went wrong if
// the combo box does not then show the item with the focus in it (a list left open is
// closed with Escape first), or an empty text when the pick took effect.
QString pickItem(QComboBox* combo, int index);

}  // namespace drive
