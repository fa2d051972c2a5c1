#include "tools/drive/user_actions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace drive {
namespace {

// QTest::keyClicks squeezes every character into Latin-1; a real keyboard sends the
// character itself as the key's text, and so does this.
void typeCharacter(QWidget* field, const QString& character) {
  const QChar first = character.front();
  const Qt::Key key = first.unicode() < 0x80 ? QTest::asciiToKey(first.toLatin1())
                                              : Qt::Key_unknown;
  QTest::sendKeyEvent(QTest::Click, field, key, character, Qt::NoModifier);
}

}  // namespace

void typeText(QWidget* field, const QString& text) {
  field->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
    return;
  }
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    typeCharacter(field, text.mid(i, length));
    i += length - 1;
  }
}

void pickItem(QComboBox* combo, int index) {
  QStyleOptionComboBox options;
  options.initFrom(combo);
  options.editable = combo->isEditable();
  const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &options,
                                                     QStyle::SC_ComboBoxArrow, combo);
  QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, arrow.center());

  QAbstractItemView* list = combo->view();
  const QRect item = list->visualRect(combo->model()->index(index, combo->modelColumn()));
  // The hand moves to the item before it clicks; Qt ignores a release too close in time
  // and place to the press that opened the list.
  QTest::mouseMove(list->viewport(), item.center());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());

  // A desktop hands the activation back to the window when the list closes; Qt's
  // offscreen platform does not, so do it here.
  QWidget* window = combo->window();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) qWarning("the window did not become active again");
}

}  // namespace drive
