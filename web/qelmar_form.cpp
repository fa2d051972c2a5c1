#include "web/qelmar_form.h"

#include <string>
#include <utility>

#include "form/tab_order.h"
#include "web/controls.h"
#include "web/native_geometry.h"
#include "web/native_text.h"

namespace web {

using emscripten::val;
using form::Field;

QelmarForm::QelmarForm(const val& container) {
  placeAt(container, form::windowBox());
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
  connectEvents();
}

std::unique_ptr<QelmarForm> QelmarForm::open(const val& container) {
  std::unique_ptr<QelmarForm> window(new QelmarForm(container));
  window->Form_Load();
  window->focusable(form::firstTabStop()).call<void>("focus");
  container.call<void>("removeAttribute", val("aria-busy"));
  return window;
}

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
