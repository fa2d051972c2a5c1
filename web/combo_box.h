#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <vector>

#include "form/window_table.h"
#include "web/event_listener.h"

namespace web {

// A combo box of the window as the WAI-ARIA combobox pattern has it: an editable text part
// with a list, which the handlers compare exactly.
// - Typed text is never completed, and never becomes an item.
// - Alt+Down opens the list; Down and Up open it on the first or last item, or move through
//   it; Enter picks the item shown, Escape or Alt+Up close it. A click on the arrow opens or
//   closes it, a click on an item picks it.
// - A picked item's text is selected, so typing replaces it. A pick is no edit: it raises
//   no input event, so no handler of the window runs.
class ComboBox final : private EventListener {
 public:
  explicit ComboBox(const form::Row& row);

  // What the window places: the text part, its arrow and its list.
  const emscripten::val& element() const { return box_; }
  // The text part, which takes the focus and is named by the caption.
  const emscripten::val& textPart() const { return input_; }

  void appendItem(std::u16string_view item);

 private:
  void handleEvent(emscripten::val event) override;
  void keyDown(const emscripten::val& event);
  bool isOpen() const;
  void open();
  void close();
  void show(int item);  // the item the keys are on, -1 for none
  void pick(int item);

  emscripten::val box_;
  emscripten::val input_;
  emscripten::val arrow_;
  emscripten::val list_;
  std::vector<emscripten::val> items_;
  int shown_ = -1;
};

}  // namespace web
