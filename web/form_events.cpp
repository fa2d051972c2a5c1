// The window's events: the three handlers, and the order Tab walks.
#include "web/qelmar_form.h"

#include <string>

#include "calc/window_events.h"
#include "form/tab_order.h"

namespace web {

using emscripten::val;
using form::Field;

void QelmarForm::connectEvents() {
  listen(focusable(form::Element::計算), "click");
  // Only the user's edits raise input events: a pick or a text set in code does not.
  listen(focusable(Field::取引通貨Combo), "input");
}

void QelmarForm::handleEvent(val event) {
  if (event["type"].as<std::string>() == "click") {
    計算_Click();
  } else {
    取引通貨Combo_Change();
  }
}

void QelmarForm::Form_Load() {
  for (const form::Row& row : form::windowRows()) {
    for (const std::u16string_view item : row.items) {
      comboBoxes_[form::rowIndex(row.control)]->appendItem(item);
    }
  }
  calc::Form_Load(*this);
}

// A live region says only a change: a press that leaves the message it found says it again.
// On a phone the message and the first result may lie below the button.
void QelmarForm::計算_Click() {
  const std::u16string found = messageLine_->text();
  calc::計算_Click(*this);
  if (!found.empty() && messageLine_->text() == found) messageLine_->announceAgain();
  scrollIntoView(Field::Label1);
  scrollIntoView(form::resultFields().front());
}

void QelmarForm::取引通貨Combo_Change() { calc::取引通貨Combo_Change(*this); }

// The order in which Tab walks the page, a screen reader reads it and a phone shows it: the
// banner, each stop after its caption label, the message line right after 計算, whose press
// it reports on.
void QelmarForm::appendInReadingOrder(const val& container) const {
  const auto append = [&](form::Control control) {
    const std::size_t row = form::rowIndex(control);
    if (captionLabels_[row]) container.call<void>("appendChild", *captionLabels_[row]);
    container.call<void>("appendChild", elements_[row]);
  };
  append(form::Element::Image1);
  const form::Control first = form::firstTabStop();
  form::Control stop = first;
  do {
    append(stop);
    if (stop == form::Control(form::Element::計算)) append(Field::Label1);
    stop = form::nextTabStop(stop, false);
  } while (stop != first);
  append(form::Element::Line1);
}

}  // namespace web
