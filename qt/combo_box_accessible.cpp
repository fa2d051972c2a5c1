#include "qt/combo_box_accessible.h"

#include "qt/field_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace qt {
namespace {

// The box offers its text part's text as its own: a screen reader on the box (where the
// focus is) reads what it holds without looking for a child, and over AT-SPI a value must
// be a number, so Text is the interface that can carry it.
class ComboBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ComboBoxAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface && edit() != nullptr) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

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

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    edit()->selection(selectionIndex, startOffset, endOffset);
  }
  int selectionCount() const override { return edit()->selectionCount(); }
  void addSelection(int startOffset, int endOffset) override {
    edit()->addSelection(startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override { edit()->removeSelection(selectionIndex); }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    edit()->setSelection(selectionIndex, startOffset, endOffset);
  }
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
  QString text(int startOffset, int endOffset) const override {
    return edit()->text(startOffset, endOffset);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                           int* startOffset, int* endOffset) const override {
    return edit()->textBeforeOffset(offset, boundaryType, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                          int* startOffset, int* endOffset) const override {
    return edit()->textAfterOffset(offset, boundaryType, startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override {
    return edit()->textAtOffset(offset, boundaryType, startOffset, endOffset);
  }
  int characterCount() const override { return edit()->characterCount(); }
  QRect characterRect(int offset) const override { return edit()->characterRect(offset); }
  int offsetAtPoint(const QPoint& point) const override { return edit()->offsetAtPoint(point); }
  void scrollToSubstring(int startIndex, int endIndex) override {
    edit()->scrollToSubstring(startIndex, endIndex);
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    return edit()->attributes(offset, startOffset, endOffset);
  }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

  QAccessibleTextInterface* edit() const {
    QAccessibleInterface* part = child(1);
    return part != nullptr ? part->textInterface() : nullptr;
  }
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

}  // namespace qt
