#include "qt/text_box_accessible.h"

#include "qt/line_edit_text.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace qt {
namespace {

class TextBoxAccessible final : public QAccessibleWidget, public LineEditText {
 public:
  explicit TextBoxAccessible(QLineEdit* edit)
      : QAccessibleWidget(edit, QAccessible::EditableText), LineEditText(edit) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value && !edit()->displayText().isEmpty()) {
      return edit()->displayText();
    }
    return QAccessibleWidget::text(kind);
  }
  using LineEditText::text;

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = edit()->isReadOnly();
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
  }
};

QAccessibleInterface* textBoxAccessible(const QString& /*className*/, QObject* object) {
  auto* edit = qobject_cast<QLineEdit*>(object);
  if (edit == nullptr || qobject_cast<QComboBox*>(edit->parent()) != nullptr) return nullptr;
  return new TextBoxAccessible(edit);
}

}  // namespace

void installTextBoxAccessible() {
  static const bool installed = (QAccessible::installFactory(&textBoxAccessible), true);
  (void)installed;
}

}  // namespace qt
