#include "tools/drive/qt/qt_window.h"

#include "qt/native_text.h"
#include "qt/qelmar_form.h"
#include "tools/drive/qt/user_actions.h"

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace drive {

QtWindow::QtWindow() { reset(); }

QtWindow::~QtWindow() = default;

void QtWindow::reset() {
  form_.reset();
  form_ = qt::QelmarForm::open();
  form_->activateWindow();
  if (!QTest::qWaitForWindowActive(form_.get())) qFatal("the window did not become active");
}

void QtWindow::type(form::Field field, std::u16string_view text) {
  typeText(form_->control(field), qt::qtText(text));
}

std::string QtWindow::pick(form::Field combo, std::size_t index) {
  return pickItem(form_->control<QComboBox>(combo), static_cast<int>(index)).toStdString();
}

void QtWindow::click() {
  QTest::mouseClick(form_->control(form::Element::計算), Qt::LeftButton);
}

void QtWindow::press(Key key) {
  static constexpr std::pair<Qt::Key, Qt::KeyboardModifier> kKeys[] = {
      {Qt::Key_Tab, Qt::NoModifier},
      {Qt::Key_Backtab, Qt::ShiftModifier},
      {Qt::Key_Return, Qt::NoModifier},
      {Qt::Key_Escape, Qt::NoModifier},
  };
  const auto [qtKey, modifier] = kKeys[static_cast<std::size_t>(key)];
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : form_.get(), qtKey, modifier);
}

bool QtWindow::grab(const std::string& path) {
  return form_->grab().save(QString::fromStdString(path), "PNG");
}

void QtWindow::settle() { QApplication::processEvents(); }

std::u16string QtWindow::text(form::Field field) const { return form_->text(field); }

// A combo box's edit part hands its focus on to the combo box, so the focus widget is
// always one of the window's own controls.
std::optional<form::Control> QtWindow::focus() const {
  const QWidget* focused = QApplication::focusWidget();
  for (const form::Row& row : form::windowRows()) {
    if (focused != nullptr && form_->control(row.control) == focused) return row.control;
  }
  return std::nullopt;
}

}  // namespace drive
