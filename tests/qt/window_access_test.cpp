#include "tests/qt/window_access_test.h"

#include "qt/native_text.h"
#include "qt/qelmar_form.h"
#include "tests/qt/user_input.h"
#include "tests/support/window_as_met.h"
#include "tools/drive/qt/user_actions.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using form::Field;
using qelmar_test::kFieldsAsMet;

// The label a user reads beside a field: on its row, ending just left of it.
const QLabel* labelBeside(const QWidget* field) {
  const QLabel* beside = nullptr;
  for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>()) {
    const QRect box = label->geometry();
    if (box.top() == field->y() && box.right() < field->x() && box.right() >= field->x() - 10) {
      beside = label;
    }
  }
  return beside;
}

// The runs of text attributes a screen reader reads a field's text by, which must cover the
// text: Orca reads a text as the sum of its runs.
QList<std::pair<int, int>> attributeRuns(QAccessibleTextInterface* text) {
  QList<std::pair<int, int>> runs;
  for (int offset = 0; offset < text->characterCount(); ++offset) {
    int start = -1;
    int end = -1;
    text->attributes(offset, &start, &end);
    runs.append({start, end});
  }
  return runs;
}

QString nameOf(QObject* object) {
  return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

}  // namespace

// Flat and opaque beside the field, as a screen reader names it, also a combo box whose text
// changes with every pick, and the box's text part; and the field's text is read whole.
void WindowAccessTest::eachFieldIsNamedByTheCaptionBesideIt() {
  for (const qelmar_test::FieldAsMet& shown : kFieldsAsMet) {
    const QString caption = qt::qtText(shown.caption);
    QWidget* box = form_->control(shown.field);
    const QLabel* label = labelBeside(box);
    QVERIFY2(label != nullptr, qPrintable(caption));
    QCOMPARE(label->text(), caption);
    QVERIFY(label->alignment().testFlag(Qt::AlignRight));
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->backgroundRole(), QPalette::Window);
    QCOMPARE(label->foregroundRole(), QPalette::WindowText);
    QCOMPARE(nameOf(box), caption);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
    QVERIFY(text != nullptr);
    const QList<std::pair<int, int>> whole(text->characterCount(), {0, text->characterCount()});
    QCOMPARE(attributeRuns(text), whole);
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
      combo->setEditText(u"円"_s);
      QCOMPARE(nameOf(combo), caption);
      QCOMPARE(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Value), u"円"_s);
      // Over AT-SPI a value must be a number: the box's own Text carries what it holds.
      QCOMPARE(text->text(0, text->characterCount()), u"円"_s);
      QCOMPARE(nameOf(combo->lineEdit()), caption);
    }
  }
}

void WindowAccessTest::inputMethodOffOnlyInTheSevenNumericInputs() {
  for (const qelmar_test::FieldAsMet& shown : kFieldsAsMet) {
    QWidget* field = form_->control(shown.field);
    field->setFocus();
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
    const QString name = field->objectName();
    QVERIFY2(query.value(Qt::ImEnabled).toBool() == !shown.inputMethodOff, qPrintable(name));
    QVERIFY2(field->testAttribute(Qt::WA_InputMethodEnabled) == !shown.inputMethodOff,
             qPrintable(name));
  }
}

// The pointer passes over the box while the focus is elsewhere, over its text part, then over
// its arrow: a notch neither takes the focus nor changes the item.
void WindowAccessTest::wheelChangesOnlyAFocusedCombo() {
  auto* combo = form_->control<QComboBox>(Field::口座種別Combo);
  QWidget* balance = form_->control(Field::口座残高text);
  QVERIFY(drive::pickItem(combo, 1).isEmpty());
  QCOMPARE(combo->currentText(), u"円"_s);
  balance->setFocus();
  qelmar_test::turnWheelUp(combo->lineEdit());
  qelmar_test::turnWheelUp(combo);
  QCOMPARE(combo->currentText(), u"円"_s);
  QCOMPARE(QApplication::focusWidget(), balance);
  combo->setFocus();
  qelmar_test::turnWheelUp(combo);
  QCOMPARE(combo->currentText(), u"ドル"_s);
}

QTEST_MAIN(WindowAccessTest)
