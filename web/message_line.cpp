#include "web/message_line.h"

#include <utility>

#include "web/controls.h"
#include "web/native_text.h"

namespace web {

using emscripten::val;

MessageLine::MessageLine(const form::Row& row) : element_(newElement("div")) {
  element_.set("id", jsText(row.name));
  element_["classList"].call<void>("add", val("message-line"));
  element_.call<void>("setAttribute", val("role"), val("status"));
  element_.call<void>("setAttribute", val("aria-live"), val("polite"));
  element_.call<void>("setAttribute", val("aria-atomic"), val("true"));
}

void MessageLine::setText(std::u16string text) {
  text_ = std::move(text);
  element_.set("textContent", jsText(text_));
}

void MessageLine::announceAgain() {
  element_.set("textContent", val(""));
  element_["classList"].call<void>("add", val("repeating"));
  // embind counts the arguments: the timer passes one.
  val::global("setTimeout")(callback(), 100, val::undefined());
}

void MessageLine::handleEvent(val) {
  element_["classList"].call<void>("remove", val("repeating"));
  element_.set("textContent", jsText(text_));
}

}  // namespace web
