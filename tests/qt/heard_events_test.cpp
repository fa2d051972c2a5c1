#include "tests/qt/heard_events_test.h"

#include "qt/qelmar_form.h"
#include "tests/qt/heard_events.h"
#include "tests/qt/user_input.h"
#include "tools/drive/qt/user_actions.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using form::Field;

// Every text box of the window, and the text part of every combo box, with its text.
QHash<QObject*, QString> fieldTexts(const qt::QelmarForm& form) {
  QHash<QObject*, QString> texts;
  for (auto* box : form.findChildren<QLineEdit*>()) texts.insert(box, box->text());
  return texts;
}

bool isTextEvent(const Heard& event) {
  return event.type == QAccessible::TextInserted || event.type == QAccessible::TextRemoved ||
         event.type == QAccessible::TextUpdated;
}

}  // namespace

// Qt tells a screen reader that a label's text changed (a name change, over AT-SPI) only
// while the label has no accessible name of its own; then the message is its name. Orca
// ignores a label's name change away from the focus, but speaks a notification that shows.
void HeardEventsTest::aNewMessageIsANotificationNamedByIt() {
  auto* line = form_->control<QLabel>(Field::Label1);
  QTest::mouseClick(form_->control(form::Element::計算), Qt::LeftButton);
  QCOMPARE(line->text(), u"口座種別を選択してください"_s);
  QCOMPARE(line->accessibleName(), QString());
  QAccessibleInterface* told = QAccessible::queryAccessibleInterface(line);
  QCOMPARE(told->text(QAccessible::Name), u"口座種別を選択してください"_s);
  QCOMPARE(told->role(), QAccessible::Notification);
}

// A click shows a screen reader its message once, even the same message as the last click's,
// and tells of a field's text only when the click changed it, once, with the text it leaves.
void HeardEventsTest::aClickIsHeardOnceForWhatItLeaves() {
  struct Step {
    const char* name;
    QList<std::pair<Field, std::u16string>> edits;
    QString message;
    int messagesShown;
  };
  const QString chooseAccount = u"口座種別を選択してください"_s;
  const Step steps[] = {
      {"three rows fail",
       {{Field::レバレッジtext, u""}, {Field::購入比率text, u""}, {Field::取引通貨Combo, u"クロス円"},
        {Field::通貨単位Combo, u"10000"}},
       chooseAccount, 1},
      {"the same fault again", {}, chooseAccount, 1},
      {"a sound click empties the message line",
       {{Field::レバレッジtext, u"100"}, {Field::購入比率text, u"10%"}, {Field::口座種別Combo, u"ドル"}},
       QString(), 0},
      {"the same results again", {}, QString(), 0},
      {"a fault empties the results",
       {{Field::レバレッジtext, u""}}, u"レバレッジを半角数字で入力してください"_s, 1},
  };
  auto* line = form_->control<QLabel>(Field::Label1);
  QWidget* button = form_->control(form::Element::計算);
  for (const Step& step : steps) {
    for (const auto& [field, text] : step.edits) form_->setText(field, text);
    const QHash<QObject*, QString> before = fieldTexts(*form_);
    const QList<Heard> told =
        HeardEventsPlugin::heardDuring([&] { QTest::mouseClick(button, Qt::LeftButton); });
    const QHash<QObject*, QString> after = fieldTexts(*form_);
    const QString name = QString::fromUtf8(step.name);
    QVERIFY2(line->text() == step.message, step.name);
    const auto messagesShown = std::ranges::count_if(told, [&](const Heard& event) {
      return event.object == line && event.type == QAccessible::ObjectShow;
    });
    QVERIFY2(messagesShown == step.messagesShown,
             qPrintable(u"%1: message shown %2 times"_s.arg(name).arg(messagesShown)));
    QSet<QObject*> toldOf;
    for (const Heard& event : told) {
      if (!isTextEvent(event) || !after.contains(event.object)) continue;
      const QString field = name + u": "_s + event.object->objectName();
      QVERIFY2(event.inserted == after.value(event.object),
               qPrintable(field + u" is told of "_s + event.inserted + u", not what it shows"_s));
      QVERIFY2(before.value(event.object) != after.value(event.object),
               qPrintable(field + u" is told of a text it already held"_s));
      QVERIFY2(!toldOf.contains(event.object), qPrintable(field + u" is told twice"_s));
      toldOf.insert(event.object);
    }
  }
}

// A combo box tells a screen reader the outcome of a key, the wheel or a pick in its own name,
// not each step Qt's line edit takes: a pick as its item inserted (selected, so Orca speaks it)
// before the old text is removed, and nothing that comes with the focus, which presents the box.
void HeardEventsTest::aComboBoxTellsTheOutcomeOnce() {
  using qelmar_test::press;
  auto* combo = form_->control<QComboBox>(Field::口座種別Combo);
  QWidget* balance = form_->control(Field::口座残高text);
  balance->setFocus();
  QCoreApplication::processEvents();
  struct Step {
    const char* name;
    std::function<void()> act;
    QStringList told;
  };
  const Step steps[] = {
      {"Tab into the box", [&] { QTest::keyClick(balance, Qt::Key_Tab); }, {}},
      {"Down picks the first item", [&] { QTest::keyClick(combo, Qt::Key_Down); },
       {u"insert ドル at 0"_s, u"remove 口座種別を選択 at 2"_s}},
      {"Down picks the next one", [&] { QTest::keyClick(combo, Qt::Key_Down); },
       {u"insert 円 at 0"_s, u"remove ドル at 1"_s}},
      {"the wheel picks the one before", [&] { qelmar_test::turnWheelUp(combo); },
       {u"insert ドル at 0"_s, u"remove 円 at 2"_s}},
      {"a typed key replaces the picked item", [&] { press(combo, u"x"_s); },
       {u"replace ドル by x at 0"_s}},
      {"a typed key adds to the text", [&] { press(combo, u"y"_s); }, {u"insert y at 1"_s}},
      {"the caret moves", [&] { press(combo, u"<Left>"_s); }, {u"caret 1"_s}},
      {"all is selected", [&] { press(combo, u"<SelectAll>"_s); }, {u"select 0-2"_s}},
      {"a pick from the list, which the focus's return presents",
       [&] { QVERIFY(drive::pickItem(combo, 1).isEmpty()); }, {}},
      {"Tab out of the box", [&] { QTest::keyClick(combo, Qt::Key_Tab); }, {}},
  };
  for (const Step& step : steps) {
    QStringList told;
    for (const Heard& event : HeardEventsPlugin::heardDuring(step.act)) {
      if (event.object == combo && !event.told.isEmpty()) told << event.told;
    }
    QVERIFY2(told == step.told, qPrintable(QString::fromUtf8(step.name) + u": "_s + told.join(u", ")));
  }
}

QTEST_MAIN(HeardEventsTest)
