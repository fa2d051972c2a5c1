#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "form/window_table.h"

namespace drive {

enum class Key { Tab, ShiftTab, Enter, Escape };

// What the driver needs of a window, one backend per toolkit: a user's actions on the
// real controls, and what the window then shows. The driver has checked every argument
// against the window table before it asks.
class Window {
 public:
  virtual ~Window() = default;

  // Closes the window and opens a fresh one, as the program opens it.
  virtual void reset() = 0;
  // Focuses the field (a text box or a combo box), selects all its text and types `text`
  // one key press per character; an empty text deletes the selection.
  virtual void type(form::Field field, std::u16string_view text) = 0;
  // Opens the combo box's list with the mouse and clicks the item at `index`. Returns what
  // went wrong when the box does not then show the item with the focus in it, else "".
  virtual std::string pick(form::Field combo, std::size_t index) = 0;
  // Clicks 計算 with the mouse.
  virtual void click() = 0;
  // Presses the key in the element that has the focus.
  virtual void press(Key key) = 0;
  // Writes a PNG of the client area; false when the file cannot be written.
  virtual bool grab(const std::string& path) = 0;

  // Lets the events the action raised run out, before the window is read.
  virtual void settle() = 0;
  virtual std::u16string text(form::Field field) const = 0;
  // The element that has the keyboard focus, if the window has it.
  virtual std::optional<form::Control> focus() const = 0;
};

}  // namespace drive
