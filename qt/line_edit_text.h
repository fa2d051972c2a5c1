#pragma once

#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLineEdit;

namespace qt {

// What assistive technology reads and edits of a line edit, as Qt's own interface for a line
// edit answers but for one answer: a line edit has no text attributes, so the run of (no)
// attributes at any offset is the whole text. Qt 6.4 answers an empty run at the offset asked
// about, and Orca, which reads a text as the sum of its runs, then drops the last character
// ("10,000.0" for "10,000.00", nothing at all for "1").
class LineEditText : public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
 public:
  explicit LineEditText(QLineEdit* edit) : edit_(edit) {}

  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;

  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                           int* startOffset, int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                          int* startOffset, int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;

  // In screen coordinates.
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;

  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 protected:
  QLineEdit* edit() const { return edit_; }
  // This as the interface of `type`, if it is the text or the editable text; else null.
  void* textInterfaceCast(QAccessible::InterfaceType type);

 private:
  QLineEdit* edit_;
};

// A widget that offers a line edit's text as its own, editable and selectable, through
// LineEditText.
class LineEditAccessible : public QAccessibleWidget, public LineEditText {
 public:
  LineEditAccessible(QWidget* widget, QAccessible::Role role, QLineEdit* edit)
      : QAccessibleWidget(widget, role), LineEditText(edit) {}

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  using QAccessibleWidget::text;
  using LineEditText::text;
};

}  // namespace qt
