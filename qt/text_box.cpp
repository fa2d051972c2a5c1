#include "qt/text_box.h"

#include "qt/native_text.h"

namespace qt {

TextBox::TextBox(QWidget* parent, const form::Row& row) : QLineEdit(parent) {
  setText(qtText(row.text));
  setAlignment((row.alignment == form::Alignment::Right ? Qt::AlignRight : Qt::AlignLeft) |
               Qt::AlignVCenter);
  setAttribute(Qt::WA_InputMethodEnabled, !row.inputMethodOff);
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  // QLineEdit tells the input method it is welcome whatever the attribute says, and the
  // input method asks exactly this when the focus arrives.
  if (query == Qt::ImEnabled) return testAttribute(Qt::WA_InputMethodEnabled);
  return QLineEdit::inputMethodQuery(query);
}

}  // namespace qt
