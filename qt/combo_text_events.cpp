#include "qt/combo_text_events.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace qt {
namespace {

void tellOf(QAccessibleEvent&& event) { QAccessible::updateAccessibility(&event); }

}  // namespace

ComboTextEvents::ComboTextEvents(QComboBox* combo)
    : QObject(combo), combo_(combo), told_(seen()) {
  const QLineEdit* edit = combo->lineEdit();
  connect(edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  connect(edit, &QLineEdit::textChanged, this, &ComboTextEvents::changed);
  connect(edit, &QLineEdit::selectionChanged, this, &ComboTextEvents::changed);
  connect(edit, &QLineEdit::cursorPositionChanged, this, &ComboTextEvents::changed);
  connect(qApp, &QApplication::focusChanged, this, &ComboTextEvents::changed);
}

ComboTextEvents::Seen ComboTextEvents::seen() const {
  const QLineEdit* edit = combo_->lineEdit();
  return {edit->text(), edit->selectionStart(), edit->selectionLength(), edit->cursorPosition(),
          combo_->hasFocus()};
}

void ComboTextEvents::changed() {
  if (std::exchange(pending_, true)) return;
  QMetaObject::invokeMethod(this, &ComboTextEvents::tell, Qt::QueuedConnection);
}

void ComboTextEvents::tell() {
  pending_ = false;
  const Seen now = seen();
  const Seen before = std::exchange(told_, now);
  const bool typed = std::exchange(typed_, false);
  if (now.focused && !before.focused) return;
  if (now.text != before.text) {
    tellText(before.text, now.text, typed);
  } else if (!now.focused) {
    return;
  } else if (now.selectionStart != before.selectionStart ||
             now.selectionLength != before.selectionLength) {
    const int start = now.selectionLength > 0 ? now.selectionStart : now.cursor;
    QAccessibleTextSelectionEvent selected(combo_, start, start + now.selectionLength);
    selected.setCursorPosition(now.cursor);
    tellOf(std::move(selected));
  } else if (now.cursor != before.cursor) {
    tellOf(QAccessibleTextCursorEvent(combo_, now.cursor));
  }
}

void ComboTextEvents::tellText(const QString& before, const QString& now, bool typed) {
  if (!typed) {
    if (!now.isEmpty()) tellOf(QAccessibleTextInsertEvent(combo_, 0, now));
    if (!before.isEmpty()) tellOf(QAccessibleTextRemoveEvent(combo_, now.size(), before));
    return;
  }
  qsizetype same = 0;
  while (same < before.size() && same < now.size() && before[same] == now[same]) ++same;
  qsizetype sameAtEnd = 0;
  while (sameAtEnd < before.size() - same && sameAtEnd < now.size() - same &&
         before[before.size() - 1 - sameAtEnd] == now[now.size() - 1 - sameAtEnd]) {
    ++sameAtEnd;
  }
  const QString removed = before.mid(same, before.size() - same - sameAtEnd);
  const QString inserted = now.mid(same, now.size() - same - sameAtEnd);
  const int at = static_cast<int>(same);
  if (removed.isEmpty()) {
    tellOf(QAccessibleTextInsertEvent(combo_, at, inserted));
  } else if (inserted.isEmpty()) {
    tellOf(QAccessibleTextRemoveEvent(combo_, at, removed));
  } else {
    tellOf(QAccessibleTextUpdateEvent(combo_, at, removed, inserted));
  }
}

}  // namespace qt
