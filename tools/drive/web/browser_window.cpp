#include "tools/drive/web/browser_window.h"

#include <stdexcept>
#include <vector>

#include "tools/drive/utf.h"

namespace drive {
namespace {

std::string hex(std::u16string_view text) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string digits;
  for (const char16_t unit : text) {
    for (const int shift : {12, 8, 4, 0}) digits += kDigits[(unit >> shift) & 0xF];
  }
  return digits;
}

std::u16string unhex(std::string_view digits) {
  std::u16string text;
  for (std::size_t at = 0; at + 4 <= digits.size(); at += 4) {
    text += static_cast<char16_t>(std::stoul(std::string(digits.substr(at, 4)), nullptr, 16));
  }
  return text;
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> split;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(' ', start);
    split.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return split;
    start = end + 1;
  }
}

constexpr const char* kKeyNames[] = {"Tab", "Shift+Tab", "Enter", "Escape"};

}  // namespace

BrowserWindow::BrowserWindow(int requests, int answers)
    : requestPipe_(requests), answerPipe_(answers), requests_(&requestPipe_),
      answers_(&answerPipe_) {}

std::string BrowserWindow::ask(const std::string& request) {
  requests_ << request << '\n' << std::flush;
  std::string answer;
  if (!std::getline(answers_, answer)) throw std::runtime_error("the player has gone");
  return answer;
}

void BrowserWindow::reset() { ask("reset"); }

void BrowserWindow::type(form::Field field, std::u16string_view text) {
  ask("type " + hex(form::fieldName(field)) + ' ' + hex(text));
}

std::string BrowserWindow::pick(form::Field combo, std::size_t index) {
  return toUtf8(unhex(ask("pick " + hex(form::fieldName(combo)) + ' ' + std::to_string(index))));
}

void BrowserWindow::click() { ask("click"); }

void BrowserWindow::press(Key key) {
  ask(std::string("press ") + kKeyNames[static_cast<std::size_t>(key)]);
}

bool BrowserWindow::grab(const std::string& path) {
  return ask("grab " + hex(fromUtf8(path).value_or(u""))) == "1";
}

// Asks for the fields in window order; the answer holds each one's text, then the name of
// the element with the focus, empty when the page has none.
void BrowserWindow::settle() {
  std::string request = "look";
  for (const form::Field field : form::allFields()) request += ' ' + hex(form::fieldName(field));
  const std::string answer = ask(request);
  const std::vector<std::string_view> texts = words(answer);
  if (texts.size() != texts_.size() + 1) throw std::runtime_error("the player misread the page");
  for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i] = unhex(texts[i]);
  const std::u16string focused = unhex(texts.back());
  focus_.reset();
  for (const form::Row& row : form::windowRows()) {
    if (row.name == focused) focus_ = row.control;
  }
}

std::u16string BrowserWindow::text(form::Field field) const {
  return texts_[form::index(field)];
}

std::optional<form::Control> BrowserWindow::focus() const { return focus_; }

}  // namespace drive
