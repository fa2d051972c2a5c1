#include "qt/combo_box.h"

#include <QLineEdit>
#include <QWheelEvent>

namespace qt {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  setDuplicatesEnabled(false);
  // Focus by click or Tab only: a wheel turned over the box must not take it either.
  setFocusPolicy(Qt::StrongFocus);
  // Qt also reports an item as activated when the focus leaves a box whose typed text is
  // that item's: selected then, the text would look as if the box still had the focus.
  connect(this, &QComboBox::activated, this, [this] {
    if (hasFocus()) lineEdit()->selectAll();
  });
}

void ComboBox::wheelEvent(QWheelEvent* event) {
  if (hasFocus()) {
    QComboBox::wheelEvent(event);
  } else {
    event->ignore();
  }
}

}  // namespace qt
