#include "qt/combo_box.h"

#include "qt/combo_box_accessible.h"
#include "qt/combo_text_events.h"
#include "qt/line_edit_text.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPointer>

namespace qt {
namespace {

// The text part as a reader finds it among the box's children: a text to read, named by the
// box's caption. It stands for no QObject, so no event is ever told in its name; the box tells
// them (ComboTextEvents), and holds the focus.
class TextPartAccessible final : public QAccessibleInterface, public LineEditText {
 public:
  explicit TextPartAccessible(QComboBox* combo) : LineEditText(combo->lineEdit()), combo_(combo) {}

  bool isValid() const override { return !combo_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent()->window(); }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(combo_);
  }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return combo_->accessibleName();
    if (kind == QAccessible::Value) return edit()->text();
    return {};
  }
  using LineEditText::text;
  // Named by the caption and holding the box's text, whatever a reader would set.
  void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
  QRect rect() const override {
    return {edit()->mapToGlobal(QPoint(0, 0)), edit()->size()};
  }
  QAccessible::Role role() const override { return QAccessible::EditableText; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = combo_->hasFocus();
    state.editable = true;
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return textInterfaceCast(type);
  }

 private:
  QPointer<QComboBox> combo_;
};

// The box offers its text part's text as its own: a screen reader on the box (where the
// focus is) reads what it holds without looking for a child, and over AT-SPI a value must
// be a number, so Text is the interface that can carry it. Its children are the list and the
// text part.
class ComboBoxAccessible final : public LineEditAccessible {
 public:
  explicit ComboBoxAccessible(QComboBox* combo)
      : LineEditAccessible(combo, QAccessible::ComboBox, combo->lineEdit()),
        textPart_(new TextPartAccessible(combo)),
        textPartId_(QAccessible::registerAccessibleInterface(textPart_)) {
    new ComboTextEvents(combo);
  }

  // The name is the widget's accessible name; what the box holds is its value.
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return combo()->currentText();
    return QAccessibleWidget::text(kind);
  }
  using LineEditText::text;

  int childCount() const override { return 2; }

  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
    if (index == 1) return textPart_;
    return nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->object() == combo()->view()) return 0;
    if (child == textPart_) return 1;
    return -1;
  }

  // x and y are screen coordinates.
  QAccessibleInterface* childAt(int x, int y) const override {
    return textPart_->rect().contains(x, y) ? textPart_ : nullptr;
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
  ~ComboBoxAccessible() override { QAccessible::deleteAccessibleInterface(textPartId_); }

  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

  QAccessibleInterface* textPart_;
  QAccessible::Id textPartId_;
};

// Qt's own line edit inside the box, which Qt names in the events it sends about each step of
// a change of the text part. It is no part of the tree (the box's child is TextPartAccessible)
// and has no state at all, which tells a screen reader to leave its events alone; the box
// tells the outcome. It keeps its text: Qt's bridge drops, with a warning, a text event about
// an object that has no Text.
class SilentTextPartAccessible final : public LineEditAccessible {
 public:
  explicit SilentTextPartAccessible(QLineEdit* edit)
      : LineEditAccessible(edit, QAccessible::EditableText, edit) {}

  // Over AT-SPI, the empty set of states.
  QAccessible::State state() const override {
    QAccessible::State none;
    none.disabled = true;
    none.invisible = true;
    return none;
  }
};

QAccessibleInterface* comboBoxAccessible(const QString& /*className*/, QObject* object) {
  if (auto* combo = dynamic_cast<ComboBox*>(object)) return new ComboBoxAccessible(combo);
  auto* edit = qobject_cast<QLineEdit*>(object);
  if (edit != nullptr && dynamic_cast<ComboBox*>(edit->parent()) != nullptr) {
    return new SilentTextPartAccessible(edit);
  }
  return nullptr;
}

}  // namespace

void installComboBoxAccessible() {
  static const bool installed = (QAccessible::installFactory(&comboBoxAccessible), true);
  (void)installed;
}

}  // namespace qt
