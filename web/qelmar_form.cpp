#include "web/qelmar_form.h"

#include <string>
#include <utility>

#include "calc/window_events.h"
#include "form/tab_order.h"
#include "web/controls.h"
#include "web/native_geometry.h"
#include "web/native_text.h"

namespace web {

using emscripten::val;
using form::Field;

QelmarForm::QelmarForm(const val& container) {
  for (const form::Row& row : form::windowRows()) {
    const std::size_t index = elements_.size();
    if (row.kind == form::Kind::ComboBox) {
      comboBoxes_[index] = std::make_unique<ComboBox>(row);
      elements_.push_back(comboBoxes_[index]->element());
    } else if (row.kind == form::Kind::MessageLine) {
      messageLine_ = std::make_unique<MessageLine>(row);
      elements_.push_back(messageLine_->element());
    } else {
      elements_.push_back(makeControl(row));
    }
    placeAt(elements_.back(), row.box);
    if (row.caption) {
      captionLabels_[index] = makeCaptionLabel(*row.caption, row.name);
      placeAt(*captionLabels_[index], row.caption->box);
    }
  }
  appendInReadingOrder(container);

  listen(focusable(form::Element::計算), "click");
  // Only the user's edits raise input events: a pick or a text set in code does not.
  listen(focusable(Field::取引通貨Combo), "input");
}

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

std::unique_ptr<QelmarForm> QelmarForm::open(const val& container) {
  std::unique_ptr<QelmarForm> window(new QelmarForm(container));
  window->Form_Load();
  window->focusable(form::firstTabStop()).call<void>("focus");
  container.call<void>("removeAttribute", val("aria-busy"));
  return window;
}

void QelmarForm::Form_Load() {
  for (const form::Row& row : form::windowRows()) {
    for (const std::u16string_view item : row.items) {
      comboBoxes_[form::rowIndex(row.control)]->appendItem(item);
    }
  }
  calc::Form_Load(*this);
}

void QelmarForm::handleEvent(val event) {
  if (event["type"].as<std::string>() == "click") {
    計算_Click();
  } else {
    取引通貨Combo_Change();
  }
}

// On a phone the message and the first result may lie below the button.
void QelmarForm::計算_Click() {
  if (calc::計算_Click(*this).messageRepeated) messageLine_->announceAgain();
  scrollIntoView(Field::Label1);
  scrollIntoView(form::resultFields().front());
}

void QelmarForm::取引通貨Combo_Change() { calc::取引通貨Combo_Change(*this); }

val QelmarForm::focusable(form::Control control) const {
  const std::size_t row = form::rowIndex(control);
  return comboBoxes_[row] ? comboBoxes_[row]->textPart() : elements_[row];
}

void QelmarForm::scrollIntoView(form::Control control) const {
  val where = val::object();
  where.set("block", val("nearest"));
  elements_[form::rowIndex(control)].call<void>("scrollIntoView", where);
}

std::u16string QelmarForm::text(Field field) const {
  if (form::rowOf(field).kind == form::Kind::MessageLine) return messageLine_->text();
  return utf16(focusable(field)["value"]);
}

void QelmarForm::setText(Field field, std::u16string text) {
  if (form::rowOf(field).kind == form::Kind::MessageLine) {
    messageLine_->setText(std::move(text));
  } else {
    focusable(field).set("value", jsText(text));
  }
}

}  // namespace web
