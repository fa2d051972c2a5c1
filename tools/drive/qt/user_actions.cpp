#include "tools/drive/qt/user_actions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>

namespace drive {
namespace {

using namespace Qt::StringLiterals;

// QTest::keyClicks squeezes every character into Latin-1; a real keyboard sends the
// character itself as the key's text, and so does this.
void typeCharacter(QWidget* field, const QString& character) {
  const QChar first = character.front();
  const Qt::Key key = first.unicode() < 0x80 ? QTest::asciiToKey(first.toLatin1())
                                              : Qt::Key_unknown;
  QTest::sendKeyEvent(QTest::Click, field, key, character, Qt::NoModifier);
}

QPoint arrowCentre(QComboBox* combo) {
  QStyleOptionComboBox options;
  options.initFrom(combo);
  options.editable = combo->isEditable();
  return combo->style()
      ->subControlRect(QStyle::CC_ComboBox, &options, QStyle::SC_ComboBoxArrow, combo)
      .center();
}

// Notes when a mouse move over `item` reaches the list: on X11 a moved cursor reports back
// from the server some time later, not within the move itself.
class HandOnItem final : public QObject {
 public:
  HandOnItem(QAbstractItemView* view, const QModelIndex& item) : view_(view), item_(item) {
    view->viewport()->installEventFilter(this);
  }
  bool arrived() const { return arrived_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == view_->viewport() && event->type() == QEvent::MouseMove &&
        view_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()) == item_) {
      arrived_ = true;
    }
    return false;
  }

 private:
  QAbstractItemView* view_;
  QPersistentModelIndex item_;
  bool arrived_ = false;
};

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

namespace {

// The list ignores a release until the mouse has moved more than 9 pixels from the press
// that opened it (or a double-click interval has passed), and QCursor::setPos sends no move
// when the cursor is already there, as after an earlier pick of the same item, even in a
// reopened window. So the hand rests on the arrow before it presses.
bool openList(QComboBox* combo) {
  const QPoint arrow = arrowCentre(combo);
  QTest::mouseMove(combo, arrow);
  QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, arrow);
  // Exposed, not merely visible: the list's pending activation must be handled while it
  // is open, or it would later make the closed list the active window.
  return QTest::qWaitForWindowExposed(combo->view()->window());
}

// Moves the mouse onto the item and clicks it; what went wrong, or an empty text.
QString clickItem(QComboBox* combo, int index) {
  QAbstractItemView* view = combo->view();
  const QModelIndex itemIndex = combo->model()->index(index, combo->modelColumn());
  const QPoint target = view->visualRect(itemIndex).center();
  const HandOnItem hand(view, itemIndex);
  QTest::mouseMove(view->viewport(), target);
  if (!QTest::qWaitFor([&] { return hand.arrived(); })) {
    QTest::keyClick(view, Qt::Key_Escape);
    return u"the mouse never reached \"%1\" in the list of %2"_s.arg(combo->itemText(index),
                                                                    combo->objectName());
  }
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, target);
  // Some styles flash the item before the list closes.
  if (!QTest::qWaitFor([&] { return !view->window()->isVisible(); })) {
    QTest::keyClick(view, Qt::Key_Escape);
    return u"the list of %1 did not close on \"%2\""_s.arg(combo->objectName(),
                                                          combo->itemText(index));
  }
  return {};
}

}  // namespace

QString pickItem(QComboBox* combo, int index) {
  const QString name = combo->objectName();
  const QString item = combo->itemText(index);
  if (!openList(combo)) return u"the list of %1 did not open"_s.arg(name);
  if (const QString failure = clickItem(combo, index); !failure.isEmpty()) return failure;

  // A desktop hands the activation back to the window when the list closes; Qt's
  // offscreen platform leaves it with the hidden list, so do it here.
  QWidget* window = combo->window();
  window->activateWindow();
  const bool active = QTest::qWaitFor([&] {
    return QGuiApplication::focusWindow() == window->windowHandle() &&
           QApplication::focusWidget() == combo;
  });
  if (combo->currentIndex() != index || combo->currentText() != item) {
    return u"%1 shows \"%2\" after picking \"%3\""_s.arg(name, combo->currentText(), item);
  }
  if (!active) return u"the focus is not in %1 after the pick"_s.arg(name);
  return {};
}

}  // namespace drive
