#include "qt/text_box.h"

namespace qt {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  // QLineEdit tells the input method it is welcome whatever the attribute says, and the
  // input method asks exactly this when the focus arrives.
  if (query == Qt::ImEnabled) return testAttribute(Qt::WA_InputMethodEnabled);
  return QLineEdit::inputMethodQuery(query);
}

}  // namespace qt
