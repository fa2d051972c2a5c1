#pragma once

#include "form/window_table.h"

#include <QLineEdit>

namespace qt {

// A single-line text box showing its row's start text, aligned as its row says. Where the
// row keeps the input method off, typing always gives half-width characters: the box keeps
// the input method off while it has the focus.
class TextBox final : public QLineEdit {
 public:
  TextBox(QWidget* parent, const form::Row& row);

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};

}  // namespace qt
