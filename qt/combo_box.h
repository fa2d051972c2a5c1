#pragma once

#include <QComboBox>

namespace qt {

// A combo box of the window: an editable text part the handlers compare exactly, and a list
// to pick from.
// - Qt never changes the text behind the user's back: no completion, and a typed text never
//   becomes an item.
// - The mouse wheel changes the item only while the box has the focus, so a pointer passing
//   over the window changes no figure.
// - A picked item's text is selected, so typing replaces it.
// - A screen reader names the box (and its text part) by its caption, not by its text, once
//   installComboBoxAccessible has run (the window runs it).
class ComboBox final : public QComboBox {
 public:
  explicit ComboBox(QWidget* parent);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace qt
