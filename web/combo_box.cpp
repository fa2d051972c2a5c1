#include "web/combo_box.h"

#include <string>

#include "web/controls.h"
#include "web/native_text.h"

namespace web {

using emscripten::val;

namespace {

void setAttribute(const val& element, const char* name, const val& value) {
  element.call<void>("setAttribute", val(name), value);
}

}  // namespace

ComboBox::ComboBox(const form::Row& row)
    : box_(newElement("div")), input_(newElement("input")), arrow_(newElement("div")),
      list_(newElement("ul")) {
  box_["classList"].call<void>("add", val("combo-box"));
  input_.set("type", val("text"));
  input_.set("id", jsText(row.name));
  input_.set("value", jsText(row.text));
  input_.set("autocomplete", val("off"));
  input_.set("spellcheck", false);
  const val listId = jsText(std::u16string(row.name) + u"-list");
  setAttribute(input_, "role", val("combobox"));
  setAttribute(input_, "aria-autocomplete", val("none"));
  setAttribute(input_, "aria-expanded", val("false"));
  setAttribute(input_, "aria-controls", listId);
  // The mouse's way to the list; the keys have their own.
  arrow_["classList"].call<void>("add", val("arrow"));
  setAttribute(arrow_, "aria-hidden", val("true"));
  list_.set("id", listId);
  list_.set("hidden", true);
  setAttribute(list_, "role", val("listbox"));
  if (row.caption) setAttribute(list_, "aria-labelledby", jsText(row.caption->name));
  for (const val& part : {input_, arrow_, list_}) box_.call<void>("appendChild", part);

  listen(input_, "keydown");
  listen(input_, "input");
  listen(input_, "blur");
  // A press on the arrow or the list leaves the focus in the text part.
  listen(arrow_, "mousedown");
  listen(arrow_, "click");
  listen(list_, "mousedown");
  listen(list_, "click");
}

void ComboBox::appendItem(std::u16string_view item) {
  val option = newElement("li");
  option.set("id", list_["id"].call<val>("concat", val("-"), val(int(items_.size()))));
  option.set("textContent", jsText(item));
  setAttribute(option, "role", val("option"));
  setAttribute(option, "aria-selected", val("false"));
  list_.call<void>("appendChild", option);
  items_.push_back(option);
}

void ComboBox::handleEvent(val event) {
  const std::string type = event["type"].as<std::string>();
  const val target = event["currentTarget"];
  if (type == "keydown") {
    keyDown(event);
  } else if (type == "input" || type == "blur") {
    close();
  } else if (type == "mousedown") {
    event.call<void>("preventDefault");
  } else if (target.strictlyEquals(arrow_)) {
    if (isOpen()) {
      close();
    } else {
      open();
    }
    input_.call<void>("focus");
  } else {
    const val option = event["target"].call<val>("closest", val("[role=option]"));
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (option.strictlyEquals(items_[i])) pick(static_cast<int>(i));
    }
  }
}

void ComboBox::keyDown(const val& event) {
  const std::string key = event["key"].as<std::string>();
  const bool alt = event["altKey"].as<bool>();
  const int count = static_cast<int>(items_.size());
  if (key == "ArrowDown" && alt) {
    open();
  } else if (key == "ArrowDown") {
    if (!isOpen()) open();
    show(shown_ + 1 < count ? shown_ + 1 : 0);
  } else if (key == "ArrowUp" && alt) {
    close();
  } else if (key == "ArrowUp") {
    if (!isOpen()) open();
    show(shown_ > 0 ? shown_ - 1 : count - 1);
  } else if (key == "Enter" && isOpen()) {
    if (shown_ >= 0) {
      pick(shown_);
    } else {
      close();
    }
  } else if (key == "Escape" && isOpen()) {
    close();
  } else {
    if (key == "Tab") close();
    return;
  }
  event.call<void>("preventDefault");
}

bool ComboBox::isOpen() const { return !list_["hidden"].as<bool>(); }

void ComboBox::open() {
  list_.set("hidden", false);
  setAttribute(input_, "aria-expanded", val("true"));
}

void ComboBox::close() {
  show(-1);
  list_.set("hidden", true);
  setAttribute(input_, "aria-expanded", val("false"));
}

void ComboBox::show(int item) {
  if (shown_ >= 0) setAttribute(items_[shown_], "aria-selected", val("false"));
  shown_ = item;
  if (item < 0) {
    input_.call<void>("removeAttribute", val("aria-activedescendant"));
    return;
  }
  setAttribute(items_[item], "aria-selected", val("true"));
  setAttribute(input_, "aria-activedescendant", items_[item]["id"]);
}

// The text is set, not typed: no input event, so no handler runs.
void ComboBox::pick(int item) {
  input_.set("value", items_[item]["textContent"]);
  close();
  input_.call<void>("focus");
  input_.call<void>("select");
}

}  // namespace web
