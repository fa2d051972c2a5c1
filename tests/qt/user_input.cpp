#include "tests/qt/user_input.h"

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

namespace qelmar_test {

void press(QWidget* target, const QString& key) {
  if (key == u"<Left>") return QTest::keyClick(target, Qt::Key_Left);
  if (key == u"<End>") return QTest::keyClick(target, Qt::Key_End);
  if (key == u"<Backspace>") return QTest::keyClick(target, Qt::Key_Backspace);
  if (key == u"<Delete>") return QTest::keyClick(target, Qt::Key_Delete);
  if (key == u"<SelectAll>") return QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, key, Qt::NoModifier);
}

// As QTest delivers a mouse click to a widget: marked as the window system's, through
// the application, which gives the focus as the widgets' focus policies say.
void turnWheelUp(QWidget* target) {
  const QPointF at = QRectF(target->rect()).center();
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(),
                    QPoint(0, QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&wheel);
  QApplication::instance()->notify(target, &wheel);
}

}  // namespace qelmar_test
