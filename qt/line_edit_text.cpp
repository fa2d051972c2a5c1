#include "qt/line_edit_text.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace qt {
namespace {

// Where a click puts the cursor after the character at `offset` rather than before it: the
// middle of that character as the box lays its text out, aligned and scrolled (left to
// right, as every text of the window runs).
int middleOf(QLineEdit* edit, int offset) {
  const int y = edit->height() / 2;
  int low = 0;
  int high = edit->width();
  while (low < high) {
    const int x = (low + high) / 2;
    if (edit->cursorPositionAt({x, y}) > offset) {
      high = x;
    } else {
      low = x + 1;
    }
  }
  return low;
}

// Offset -2 is AT-SPI's word for the cursor's place.
int atCursor(const QLineEdit* edit, int offset) {
  return offset == -2 ? edit->cursorPosition() : offset;
}

}  // namespace

QString LineEditText::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

void LineEditText::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0) return;
  *startOffset = edit_->selectionStart();
  *endOffset = *startOffset + edit_->selectionLength();
}

int LineEditText::selectionCount() const { return edit_->hasSelectedText() ? 1 : 0; }

void LineEditText::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void LineEditText::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) edit_->deselect();
}

void LineEditText::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) edit_->setSelection(startOffset, endOffset - startOffset);
}

int LineEditText::cursorPosition() const { return edit_->cursorPosition(); }

void LineEditText::setCursorPosition(int position) { edit_->setCursorPosition(position); }

QString LineEditText::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return {};
  return edit_->displayText().mid(startOffset, endOffset - startOffset);
}

QString LineEditText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
  return QAccessibleTextInterface::textBeforeOffset(atCursor(edit_, offset), boundaryType,
                                                    startOffset, endOffset);
}

QString LineEditText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                      int* startOffset, int* endOffset) const {
  return QAccessibleTextInterface::textAfterOffset(atCursor(edit_, offset), boundaryType,
                                                   startOffset, endOffset);
}

QString LineEditText::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                   int* startOffset, int* endOffset) const {
  return QAccessibleTextInterface::textAtOffset(atCursor(edit_, offset), boundaryType,
                                                startOffset, endOffset);
}

int LineEditText::characterCount() const {
  return static_cast<int>(edit_->displayText().size());
}

QRect LineEditText::characterRect(int offset) const {
  const QString character = text(offset, offset + 1);
  if (character.isEmpty()) return {};
  const QFontMetrics metrics(edit_->font());
  const int width = metrics.horizontalAdvance(character);
  const QRect box(middleOf(edit_, offset) - width / 2, (edit_->height() - metrics.height()) / 2,
                  width, metrics.height());
  return box.translated(edit_->mapToGlobal(QPoint(0, 0)));
}

int LineEditText::offsetAtPoint(const QPoint& point) const {
  return edit_->cursorPositionAt(edit_->mapFromGlobal(point));
}

void LineEditText::scrollToSubstring(int startIndex, int endIndex) {
  edit_->setCursorPosition(endIndex);
  edit_->setCursorPosition(startIndex);
}

void LineEditText::deleteText(int startOffset, int endOffset) {
  edit_->setText(edit_->text().remove(startOffset, endOffset - startOffset));
}

void LineEditText::insertText(int offset, const QString& text) {
  edit_->setText(edit_->text().insert(offset, text));
}

void LineEditText::replaceText(int startOffset, int endOffset, const QString& text) {
  edit_->setText(edit_->text().replace(startOffset, endOffset - startOffset, text));
}

void* LineEditText::textInterfaceCast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface) {
    return static_cast<QAccessibleEditableTextInterface*>(this);
  }
  return nullptr;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
  void* text = textInterfaceCast(type);
  return text != nullptr ? text : QAccessibleWidget::interface_cast(type);
}

QAccessible::State LineEditAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.selectableText = true;
  return state;
}

}  // namespace qt
