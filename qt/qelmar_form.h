#pragma once

#include "calc/field_texts.h"
#include "form/window_table.h"

#include <QWidget>

#include <array>
#include <memory>

namespace qt {

// The calculator window on Qt, made from the window table. The texts of its fields are
// the program's whole state; the handlers in calc/ read and write them through
// calc::FieldTexts.
// No Q_OBJECT: moc cannot read the Japanese enumerators of form/field.h, and the form
// declares no signals or slots of its own.
class QelmarForm final : public QWidget, public calc::FieldTexts {
 public:
  explicit QelmarForm(QWidget* parent = nullptr);

  // The window as the program starts it: built, Form_Load run, then shown.
  static std::unique_ptr<QelmarForm> open();

  // Runs once, after construction and before the window is first shown.
  void Form_Load();

  std::u16string text(form::Field field) const override;
  void setText(form::Field field, std::u16string text) override;

  // The widget a row of the table made: a field's box or another element.
  QWidget* control(form::Control control) const;
  template <class Widget>
  Widget* control(form::Control control) const {
    return qobject_cast<Widget*>(this->control(control));
  }

 private:
  void 計算_Click();
  void 取引通貨Combo_Change();

  void placeWindow(const form::Margins& frame);
  void orderFocus();
  void nameFieldsByCaptions();
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::array<QWidget*, form::kRowCount> controls_{};
};

}  // namespace qt
