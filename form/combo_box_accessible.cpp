#include "form/combo_box_accessible.h"

#include "form/field_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace form {
namespace {

class ComboBoxAccessible final : public QAccessibleWidget {
 public:
  explicit ComboBoxAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  // The name is the widget's accessible name; what the box holds is its value.
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return combo()->currentText();
    return QAccessibleWidget::text(kind);
  }

  // The list, then the text part.
  int childCount() const override { return 2; }

  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
    if (index == 1) return QAccessible::queryAccessibleInterface(combo()->lineEdit());
    return nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->object() == combo()->view()) return 0;
    if (child->object() == combo()->lineEdit()) return 1;
    return -1;
  }

  // x and y are screen coordinates.
  QAccessibleInterface* childAt(int x, int y) const override {
    const QLineEdit* edit = combo()->lineEdit();
    const QRect onScreen(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    return onScreen.contains(x, y) ? child(1) : nullptr;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (combo()->view()->isVisible()) {
      combo()->hidePopup();
    } else {
      combo()->showPopup();
    }
  }

  QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboBoxAccessible(const QString& /*className*/, QObject* object) {
  auto* combo = dynamic_cast<FieldComboBox*>(object);
  return combo != nullptr ? new ComboBoxAccessible(combo) : nullptr;
}

}  // namespace

void installComboBoxAccessible() {
  static const bool installed = (QAccessible::installFactory(&comboBoxAccessible), true);
  (void)installed;
}

}  // namespace form
