#pragma once

#include "form/window_table.h"
#include "win32/control.h"

namespace win32 {

// A combo box with an editable text part and a drop-down list. Its text is its edit part's.
// The mouse wheel changes its item only while it has the focus, so a pointer passing over
// the window changes no figure.
class ComboBox final : public Control {
 public:
  ComboBox(HWND parent, const form::Row& row, int id);

  // Appends to the list; the text part keeps what it shows and no item is selected.
  void addItem(std::u16string_view item);
  HWND editPart() const;
  void selectAll();
  // No text selected: the caret alone, at the end.
  void deselect();

  // `box` is the closed box; the list drops below it.
  void place(const form::Rect& box, int dotsPerInch) override;
};

}  // namespace win32
