#include "web/controls.h"

#include <stdexcept>

#include "web/native_text.h"

namespace web {
namespace {

using emscripten::val;

// Numbers are typed here: phones offer a decimal keypad, and nothing offers to complete,
// correct or capitalise them. No browser can switch an input method off, so a full-width
// digit still gets the message the desktop window gives for it.
void askForNumbers(const val& box) {
  box.call<void>("setAttribute", val("inputmode"), val("decimal"));
  box.call<void>("setAttribute", val("autocorrect"), val("off"));
  box.call<void>("setAttribute", val("autocapitalize"), val("off"));
}

val textBox(const form::Row& row) {
  val box = newElement("input");
  box.set("type", val("text"));
  box.set("id", jsText(row.name));
  box.set("value", jsText(row.text));
  // Nothing typed is kept: no form history, and no texts restored on a return to the page.
  box.set("autocomplete", val("off"));
  box.set("spellcheck", false);
  box["classList"].call<void>("add", val("text-box"));
  if (row.alignment == form::Alignment::Right) box["classList"].call<void>("add", val("right"));
  if (row.inputMethodOff) askForNumbers(box);
  return box;
}

// The banner names the product, so it is the page's heading.
val banner(const form::Row& row) {
  val heading = newElement("h1");
  heading.set("id", jsText(row.name));
  heading["classList"].call<void>("add", val("picture"));
  val image = newElement("img");
  image.set("src", val("banner.gif"));
  image.set("alt", val("Qelmar"));
  heading.call<void>("appendChild", image);
  return heading;
}

val divider(const form::Row& row) {
  val line = newElement("div");
  line.set("id", jsText(row.name));
  line["classList"].call<void>("add", val("line"));
  line.call<void>("setAttribute", val("aria-hidden"), val("true"));
  return line;
}

// Not a submit button and in no form: Enter in a field never presses it.
val button(const form::Row& row) {
  val button = newElement("button");
  button.set("type", val("button"));
  button.set("id", jsText(row.name));
  button["classList"].call<void>("add", val("button"));
  button.set("textContent", jsText(row.text));
  return button;
}

}  // namespace

val newElement(const char* tag) {
  return val::global("document").call<val>("createElement", val(tag));
}

val makeControl(const form::Row& row) {
  switch (row.kind) {
    case form::Kind::TextBox: return textBox(row);
    case form::Kind::Picture: return banner(row);
    case form::Kind::Line: return divider(row);
    case form::Kind::Button: return button(row);
    case form::Kind::ComboBox:
    case form::Kind::MessageLine: break;
  }
  throw std::logic_error("a row the page makes with an object of its own");
}

val makeCaptionLabel(const form::CaptionLabel& caption, std::u16string_view field) {
  val label = newElement("label");
  label.set("id", jsText(caption.name));
  label.set("htmlFor", jsText(field));
  label.set("textContent", jsText(caption.caption));
  label["classList"].call<void>("add", val("caption"));
  return label;
}

}  // namespace web
