#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace drive {

// Focuses `field` (a text box or a combo box), selects its whole text with Ctrl+A and
// types `text` one key press per character; an empty text deletes the selection.
void typeText(QWidget* field, const QString& text);

// Opens the combo box's list and clicks the item at `index` with the mouse.
void pickItem(QComboBox* combo, int index);

}  // namespace drive
