#include "tools/drive/driver.h"

#include <algorithm>
#include <array>
#include <istream>
#include <ostream>

#include "tools/drive/action_line.h"
#include "tools/drive/utf.h"

namespace drive {
namespace {

// An action that cannot be done, found before anything in the window has changed, or a
// pick that did not take effect.
struct ActionError {
  std::string message;
};

std::string quoted(std::u16string_view text) { return '"' + toUtf8(text) + '"'; }

std::u16string member(const ActionLine& action, std::string_view name) {
  std::optional<std::u16string> text = action.text(name);
  if (!text) throw ActionError{'"' + std::string(name) + "\" must be a string"};
  return std::move(*text);
}

form::Field fieldNamed(const std::u16string& name) {
  const auto fields = form::allFields();
  const auto found = std::find_if(fields.begin(), fields.end(),
                                  [&](form::Field each) { return form::fieldName(each) == name; });
  if (found == fields.end()) throw ActionError{"no field named " + quoted(name)};
  return *found;
}

struct KeyName {
  std::u16string_view name;
  Key key;
};

constexpr std::array<KeyName, 4> kKeys{{
    {u"Tab", Key::Tab},
    {u"Shift+Tab", Key::ShiftTab},
    {u"Enter", Key::Enter},
    {u"Escape", Key::Escape},
}};

// Written by hand so that only what JSON must escape is escaped, every control character
// as \u00XX: a reader of a scenario's output sees the texts as the window shows them, and
// the lines stay byte for byte what they were. nlohmann-json's writer spells \b \f \n \r \t
// short, so an error line that echoes one of them would change.
std::string jsonString(std::u16string_view text) {
  std::u16string escaped;
  for (char16_t c : text) {
    if (c == u'"' || c == u'\\') {
      escaped += u'\\';
      escaped += c;
    } else if (c < 0x20) {
      constexpr char16_t kHex[] = u"0123456789abcdef";
      escaped += u"\\u00";
      escaped += kHex[c >> 4];
      escaped += kHex[c & 0xF];
    } else {
      escaped += c;
    }
  }
  return '"' + toUtf8(escaped) + '"';
}

std::string errorLine(std::string_view message) {
  const std::optional<std::u16string> text = fromUtf8(message);
  return "{\"error\":" + jsonString(text.value_or(u"")) + '}';
}

}  // namespace

std::string Driver::perform(std::string_view line) {
  const std::optional<ActionLine> action = ActionLine::read(line);
  if (!action) return errorLine("not a JSON object: " + validUtf8(line));
  try {
    const std::u16string verb = member(*action, "do");
    if (verb == u"reset") {
      window_.reset();
    } else if (verb == u"type") {
      type(*action);
    } else if (verb == u"pick") {
      pick(*action);
    } else if (verb == u"click") {
      window_.click();
    } else if (verb == u"key") {
      press(*action);
    } else if (verb == u"grab") {
      grab(*action);
    } else if (verb != u"look") {
      throw ActionError{"unknown action " + quoted(verb)};
    }
  } catch (const ActionError& error) {
    return errorLine(error.message);
  }
  window_.settle();
  return stateLine();
}

void Driver::type(const ActionLine& action) {
  const form::Field field = fieldNamed(member(action, "field"));
  const std::u16string text = member(action, "text");
  const form::Kind kind = form::rowOf(field).kind;
  if (kind != form::Kind::TextBox && kind != form::Kind::ComboBox) {
    throw ActionError{toUtf8(form::fieldName(field)) + " cannot be typed into"};
  }
  window_.type(field, text);
}

void Driver::pick(const ActionLine& action) {
  const form::Field field = fieldNamed(member(action, "field"));
  if (form::rowOf(field).kind != form::Kind::ComboBox) {
    throw ActionError{"only a combo box has a list to pick from"};
  }
  const std::u16string item = member(action, "item");
  const auto items = form::comboItems(field);
  const auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end()) {
    throw ActionError{quoted(item) + " is not in the list of " + toUtf8(form::fieldName(field))};
  }
  const std::string failure =
      window_.pick(field, static_cast<std::size_t>(found - items.begin()));
  if (!failure.empty()) throw ActionError{failure};
}

void Driver::press(const ActionLine& action) {
  const std::u16string name = member(action, "key");
  const auto* found = std::find_if(kKeys.begin(), kKeys.end(),
                                   [&](const KeyName& key) { return key.name == name; });
  if (found == kKeys.end()) {
    throw ActionError{"unknown key " + quoted(name) + " (Tab, Shift+Tab, Enter, Escape)"};
  }
  window_.press(found->key);
}

void Driver::grab(const ActionLine& action) {
  const std::string path = toUtf8(member(action, "file"));
  if (!window_.grab(path)) throw ActionError{"cannot write " + path};
}

std::string Driver::stateLine() const {
  std::string line = "{";
  for (const form::Field field : form::allFields()) {
    line += jsonString(form::fieldName(field)) + ':' + jsonString(window_.text(field)) + ',';
  }
  const std::optional<form::Control> focus = window_.focus();
  return line + "\"focus\":" + jsonString(focus ? form::rowOf(*focus).name : u"") + '}';
}

void Driver::serve(std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    out << perform(line) << '\n' << std::flush;
  }
}

}  // namespace drive
