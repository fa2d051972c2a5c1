#include "qt/text_box_accessible.h"

#include "qt/line_edit_text.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace qt {
namespace {

// The text part of a combo box is the box's business (installComboBoxAccessible).
bool isTextBox(const QObject* object) {
  const auto* edit = qobject_cast<const QLineEdit*>(object);
  return edit != nullptr && qobject_cast<QComboBox*>(edit->parent()) == nullptr;
}

// The widget that holds the focus once the last move of the focus is done. While a box takes
// the focus, it already has it, but is not yet this.
QPointer<QWidget>& settledFocus() {
  static QPointer<QWidget> focus;
  return focus;
}

// Qt's line edit selects its whole text as a Tab brings the focus in, and drops the selection
// as the focus leaves, telling each as a change of selection ahead of the focus itself. Orca
// speaks every change of selection it is told of: a Tab was heard as "Text unselected." for
// the box left, then the new box's text twice. The focus presents a box with its selection,
// so a box tells only the selections made while it holds the focus, the user's. Qt calls
// this only while a screen reader listens.
void tellUnlessTheFocusMoves(QAccessibleEvent* event) {
  QObject* box = event->object();
  const QWidget* focus = settledFocus();
  if (event->type() == QAccessible::TextSelectionChanged && isTextBox(box) &&
      (box != focus || !focus->hasFocus())) {
    return;
  }
  // Qt hands an event to the platform's screen-reader bridge only without a handler.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&tellUnlessTheFocusMoves);
}

class TextBoxAccessible final : public LineEditAccessible {
 public:
  explicit TextBoxAccessible(QLineEdit* edit)
      : LineEditAccessible(edit, QAccessible::EditableText, edit) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value && !edit()->displayText().isEmpty()) {
      return edit()->displayText();
    }
    return QAccessibleWidget::text(kind);
  }
  using LineEditText::text;
};

QAccessibleInterface* textBoxAccessible(const QString& /*className*/, QObject* object) {
  return isTextBox(object) ? new TextBoxAccessible(static_cast<QLineEdit*>(object)) : nullptr;
}

void install() {
  QAccessible::installFactory(&textBoxAccessible);
  QObject::connect(qApp, &QApplication::focusChanged, qApp,
                   [](QWidget* /*before*/, QWidget* now) { settledFocus() = now; });
  QAccessible::installUpdateHandler(&tellUnlessTheFocusMoves);
}

}  // namespace

void installTextBoxAccessible() {
  static const bool installed = (install(), true);
  (void)installed;
}

}  // namespace qt
