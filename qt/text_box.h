#pragma once

#include <QLineEdit>

namespace qt {

// A text box in which typing always gives half-width characters: it keeps the input
// method off while it has the focus.
class TextBox final : public QLineEdit {
 public:
  explicit TextBox(QWidget* parent);

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};

}  // namespace qt
