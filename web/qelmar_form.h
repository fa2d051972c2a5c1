#pragma once

#include <emscripten/val.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "calc/field_texts.h"
#include "form/window_table.h"
#include "web/combo_box.h"
#include "web/event_listener.h"
#include "web/message_line.h"

namespace web {

// The calculator window as a web page, made from the window table. The texts of its fields
// are the program's whole state; the handlers in calc/ read and write them through
// calc::FieldTexts, over the page's elements.
class QelmarForm final : public calc::FieldTexts, private EventListener {
 public:
  // The window as the page opens it, inside `container`: built, Form_Load run, the focus in
  // the first field.
  static std::unique_ptr<QelmarForm> open(const emscripten::val& container);

  // Runs once, after construction and before the user can act.
  void Form_Load();

  std::u16string text(form::Field field) const override;
  void setText(form::Field field, std::u16string text) override;

 private:
  explicit QelmarForm(const emscripten::val& container);

  // In form_events.cpp: the events, and the order Tab walks.
  void connectEvents();
  void handleEvent(emscripten::val event) override;  // 計算's click, 取引通貨Combo's input
  void 計算_Click();
  void 取引通貨Combo_Change();
  void appendInReadingOrder(const emscripten::val& container) const;

  // The element of a row that takes the focus and holds its text: a combo box's text part.
  emscripten::val focusable(form::Control control) const;
  void scrollIntoView(form::Control control) const;

  // Each row's element, in the table's order, and the caption label beside a field.
  std::vector<emscripten::val> elements_;
  std::array<std::optional<emscripten::val>, form::kRowCount> captionLabels_;
  std::array<std::unique_ptr<ComboBox>, form::kRowCount> comboBoxes_;
  std::unique_ptr<MessageLine> messageLine_;
};

}  // namespace web
