#include "qt/field_combo_box.h"

#include <QLineEdit>
#include <QWheelEvent>

namespace qt {

FieldComboBox::FieldComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  setDuplicatesEnabled(false);
  // Focus by click or Tab only: a wheel turned over the box must not take it either.
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QComboBox::activated, lineEdit(), &QLineEdit::selectAll);
}

void FieldComboBox::wheelEvent(QWheelEvent* event) {
  if (hasFocus()) {
    QComboBox::wheelEvent(event);
  } else {
    event->ignore();
  }
}

}  // namespace qt
