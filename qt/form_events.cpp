// The window's events: the three handlers, and the order Tab walks.
#include "qt/qelmar_form.h"

#include "calc/window_events.h"
#include "form/tab_order.h"
#include "qt/message_line_accessible.h"
#include "qt/native_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qt {
namespace {

// Appending to an empty list would select the first item and show its text; the combo
// keeps showing its prompt with nothing selected.
void appendItems(QComboBox* combo, std::span<const std::u16string_view> items) {
  const QString shown = combo->currentText();
  for (std::u16string_view item : items) combo->addItem(qtText(item));
  combo->setCurrentIndex(-1);
  combo->setEditText(shown);
}

}  // namespace

void QelmarForm::connectEvents() {
  connect(control<QPushButton>(form::Element::計算), &QPushButton::clicked, this,
          &QelmarForm::計算_Click);
  // Only the user's own edits raise the change event: picking an item or setting the
  // text in code does not.
  connect(control<QComboBox>(form::Field::取引通貨Combo)->lineEdit(), &QLineEdit::textEdited,
          this, &QelmarForm::取引通貨Combo_Change);
}

void QelmarForm::Form_Load() {
  for (const form::Row& row : form::windowRows()) {
    if (!row.items.empty()) appendItems(control<QComboBox>(row.control), row.items);
  }
  calc::Form_Load(*this);
}

void QelmarForm::計算_Click() {
  calc::計算_Click(*this);
  announceMessage(static_cast<QLabel*>(control(form::Field::Label1)));
}

void QelmarForm::取引通貨Combo_Change() { calc::取引通貨Combo_Change(*this); }

// Qt's own chain walks the stops from the first to the last and wraps; the window opens on
// the first stop.
void QelmarForm::orderFocus() {
  const form::Control first = form::firstTabStop();
  for (form::Control at = first;;) {
    const form::Control next = form::nextTabStop(at, false);
    if (next == first) break;
    setTabOrder(control(at), control(next));
    at = next;
  }
  control(first)->setFocus();
}

}  // namespace qt
