#pragma once

#include <emscripten/val.h>

#include <string>

#include "form/window_table.h"
#include "web/event_listener.h"

namespace web {

// The message line: a polite live region, so a screen reader says each message a press
// leaves there, after what it is saying.
class MessageLine final : private EventListener {
 public:
  explicit MessageLine(const form::Row& row);

  const emscripten::val& element() const { return element_; }
  const std::u16string& text() const { return text_; }
  void setText(std::u16string text);

  // Has a screen reader say the message again, as after a press that left the message the
  // line already held: an unchanged live region says nothing. The text is taken away and
  // put back 100 ms later, two changes that reach the screen reader apart; meanwhile the
  // line carries the class "repeating".
  void announceAgain();

 private:
  void handleEvent(emscripten::val) override;  // the text put back

  emscripten::val element_;
  std::u16string text_;
};

}  // namespace web
