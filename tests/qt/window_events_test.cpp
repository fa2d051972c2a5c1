#include "tests/qt/window_events_test.h"

#include "form/window_table.h"
#include "qt/qelmar_form.h"
#include "qt/qt_text.h"
#include "tools/drive/driver.h"
#include "tools/drive/qt/qt_window.h"
#include "tools/drive/qt/user_actions.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QtPlugin>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The change event of 取引通貨Combo rescales the trade rate; from this rate each run
// leaves a different text, so the text tells how many runs there were.
constexpr char16_t kCountingRate[] = u"0.00001";
const QStringList kRateAfterRuns{u"0.00001"_s, u"0.001"_s, u"0.100"_s, u"10.000"_s};

QString rate(const qt::QelmarForm& form) { return form.control<QLineEdit>(form::Field::現在の取引通貨レートtext)->text(); }

// One notch of the mouse wheel, turned away from the user, with the pointer over `target`.
void turnWheelUp(QWidget* target) {
  const QPointF at = QRectF(target->rect()).center();
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, QWheelEvent::DefaultDeltasPerStep),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}

// A key as the keyboard sends it: "<Name>" for an editing key, else the character.
void press(QWidget* target, const QString& key) {
  if (key == u"<Left>") return QTest::keyClick(target, Qt::Key_Left);
  if (key == u"<End>") return QTest::keyClick(target, Qt::Key_End);
  if (key == u"<Backspace>") return QTest::keyClick(target, Qt::Key_Backspace);
  if (key == u"<Delete>") return QTest::keyClick(target, Qt::Key_Delete);
  if (key == u"<SelectAll>") return QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, key, Qt::NoModifier);
}

template <typename T>
const T& anyOf(QRandomGenerator& random, const QList<T>& choices) {
  return choices.at(static_cast<qsizetype>(random.bounded(static_cast<quint32>(choices.size()))));
}

// The offscreen platform warns at every list it opens and every window it activates;
// hundreds of those lines would bury a failure.
QtMessageHandler testLogHandler = nullptr;
void withoutOffscreenLimits(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (message == u"This plugin does not support raise()" ||
      message == u"This plugin does not support grabbing the keyboard") {
    return;
  }
  testLogHandler(type, context, message);
}

// A driver action line, picks half of the time and otherwise anything that may come
// before one: typed texts, 計算, the four keys, a fresh window.
QJsonObject randomAction(QRandomGenerator& random) {
  static const QList<std::pair<QString, QStringList>> lists = [] {
    QList<std::pair<QString, QStringList>> combos;
    for (const form::Field field : form::allFields()) {
      QStringList items;
      for (const std::u16string_view item : form::comboItems(field)) items << qt::qtText(item);
      if (!items.isEmpty()) combos.append({qt::qtText(form::fieldName(field)), items});
    }
    return combos;
  }();
  static const QStringList typed{u"口座残高text"_s, u"口座種別Combo"_s, u"取引通貨Combo"_s,
                                 u"現在の取引通貨レートtext"_s, u"通貨単位Combo"_s,
                                 u"ロスカット到達レート売text"_s};
  static const QStringList texts{u""_s, u"1"_s, u"ド"_s, u"10,000"_s, u"x"_s};
  static const QStringList keys{u"Tab"_s, u"Shift+Tab"_s, u"Enter"_s, u"Escape"_s};
  const quint32 roll = random.bounded(20U);
  if (roll < 10) {
    const auto& [combo, items] = anyOf(random, lists);
    return {{u"do"_s, u"pick"_s}, {u"field"_s, combo}, {u"item"_s, anyOf(random, items)}};
  }
  if (roll < 13) {
    return {{u"do"_s, u"type"_s}, {u"field"_s, anyOf(random, typed)},
            {u"text"_s, anyOf(random, texts)}};
  }
  if (roll < 17) return {{u"do"_s, u"key"_s}, {u"key"_s, anyOf(random, keys)}};
  if (roll < 19) return {{u"do"_s, u"click"_s}};
  return {{u"do"_s, u"reset"_s}};
}

// What a screen reader is told: each event's object and kind, and for a text change the text
// it brings (none for a removal).
struct Heard {
  QObject* object;
  QAccessible::Event type;
  QString inserted;
};
QList<Heard>* heard = nullptr;

class HeardEvents final : public QAccessibleBridge {
 public:
  void setRootObject(QAccessibleInterface* /*root*/) override {}
  void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
    if (heard == nullptr) return;
    Heard told{event->object(), event->type(), {}};
    if (event->type() == QAccessible::TextUpdated) {
      told.inserted = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    } else if (event->type() == QAccessible::TextInserted) {
      told.inserted = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
    }
    heard->append(told);
  }
};

QList<Heard> heardDuring(const std::function<void()>& act) {
  QList<Heard> told;
  heard = &told;
  const auto stopListening = qScopeGuard([] { heard = nullptr; });
  act();
  return told;
}

// Every text box of the window, and the text part of every combo box, with its text.
QHash<QObject*, QString> fieldTexts(const qt::QelmarForm& form) {
  QHash<QObject*, QString> texts;
  for (auto* box : form.findChildren<QLineEdit*>()) texts.insert(box, box->text());
  return texts;
}

}  // namespace

QAccessibleBridge* HeardEventsPlugin::create(const QString& /*key*/) { return new HeardEvents; }
Q_IMPORT_PLUGIN(HeardEventsPlugin)

WindowEventsTest::WindowEventsTest() = default;
WindowEventsTest::~WindowEventsTest() = default;

void WindowEventsTest::init() {
  form_ = qt::QelmarForm::open();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void WindowEventsTest::cleanup() { form_.reset(); }

void WindowEventsTest::formLoadFillsTheListsAndKeepsThePrompts() {
  const auto items = [](const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
  };
  QCOMPARE(items(form_->control<QComboBox>(form::Field::口座種別Combo)), QStringList({u"ドル"_s, u"円"_s}));
  QCOMPARE(items(form_->control<QComboBox>(form::Field::取引通貨Combo)), QStringList({u"クロス円"_s, u"ドルストレート"_s}));
  QCOMPARE(items(form_->control<QComboBox>(form::Field::通貨単位Combo)), QStringList({u"1000"_s, u"10000"_s}));
  const QList<std::pair<QComboBox*, QString>> prompts{
      {form_->control<QComboBox>(form::Field::口座種別Combo), u"口座種別を選択"_s},
      {form_->control<QComboBox>(form::Field::取引通貨Combo), u"取引通貨を選択"_s},
      {form_->control<QComboBox>(form::Field::通貨単位Combo), u"通貨単位を選択"_s}};
  for (const auto& [combo, prompt] : prompts) {
    QCOMPARE(combo->currentText(), prompt);
    QCOMPARE(combo->currentIndex(), -1);
  }
}

void WindowEventsTest::changeEventOncePerChangingKeystroke_data() {
  QTest::addColumn<QStringList>("keys");
  QTest::addColumn<int>("runs");
  QTest::newRow("selecting all changes nothing") << QStringList{u"<SelectAll>"_s} << 0;
  QTest::newRow("one character") << QStringList{u"<SelectAll>"_s, u"ド"_s} << 1;
  QTest::newRow("two characters") << QStringList{u"<SelectAll>"_s, u"ド"_s, u"ル"_s} << 2;
  QTest::newRow("keys that move or delete nothing")
      << QStringList{u"<SelectAll>"_s, u"ド"_s, u"<Delete>"_s, u"<End>"_s, u"ル"_s} << 2;
  QTest::newRow("backspace changes the text")
      << QStringList{u"<SelectAll>"_s, u"ド"_s, u"<Backspace>"_s} << 2;
  QTest::newRow("three changes") << QStringList{u"<End>"_s, u"x"_s, u"<Left>"_s, u"y"_s,
                                                u"<Backspace>"_s}
                                 << 3;
}

void WindowEventsTest::changeEventOncePerChangingKeystroke() {
  QFETCH(QStringList, keys);
  QFETCH(int, runs);
  form_->control<QLineEdit>(form::Field::現在の取引通貨レートtext)->setText(QString::fromUtf16(kCountingRate));
  form_->control<QComboBox>(form::Field::取引通貨Combo)->setFocus();
  for (const QString& key : keys) press(form_->control<QComboBox>(form::Field::取引通貨Combo), key);
  QCOMPARE(rate(*form_), kRateAfterRuns[runs]);
}

void WindowEventsTest::pickingAnItemRaisesNoChangeEvent() {
  form_->control<QLineEdit>(form::Field::現在の取引通貨レートtext)->setText(QString::fromUtf16(kCountingRate));
  QVERIFY(drive::pickItem(form_->control<QComboBox>(form::Field::取引通貨Combo), 1).isEmpty());
  QCOMPARE(form_->control<QComboBox>(form::Field::取引通貨Combo)->currentText(), u"ドルストレート"_s);
  QVERIFY(drive::pickItem(form_->control<QComboBox>(form::Field::取引通貨Combo), 0).isEmpty());
  QCOMPARE(form_->control<QComboBox>(form::Field::取引通貨Combo)->currentText(), u"クロス円"_s);
  QCOMPARE(rate(*form_), kRateAfterRuns[0]);
}

void WindowEventsTest::settingTheTextInCodeRaisesNoChangeEvent() {
  form_->control<QLineEdit>(form::Field::現在の取引通貨レートtext)->setText(QString::fromUtf16(kCountingRate));
  form_->setText(form::Field::取引通貨Combo, u"クロス円");
  QCOMPARE(form_->control<QComboBox>(form::Field::取引通貨Combo)->currentText(), u"クロス円"_s);
  QCOMPARE(rate(*form_), kRateAfterRuns[0]);
}

void WindowEventsTest::comboTextIsNeverCompletedNorInserted() {
  drive::typeText(form_->control<QComboBox>(form::Field::口座種別Combo), u"ド"_s);
  QCOMPARE(form_->control<QComboBox>(form::Field::口座種別Combo)->currentText(), u"ド"_s);
  drive::typeText(form_->control<QComboBox>(form::Field::口座種別Combo), u"円 "_s);
  QTest::keyClick(form_->control<QComboBox>(form::Field::口座種別Combo), Qt::Key_Return);
  QTest::keyClick(form_->control<QComboBox>(form::Field::口座種別Combo), Qt::Key_Tab);
  QCOMPARE(form_->control<QComboBox>(form::Field::口座種別Combo)->currentText(), u"円 "_s);
  QCOMPARE(form_->control<QComboBox>(form::Field::口座種別Combo)->count(), 2);
}

void WindowEventsTest::enterAndEscapeNeverPressTheButton_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("key");
  for (form::Field field : form::allFields()) {
    if (field == form::Field::Label1) continue;
    const QString name = qt::qtText(form::fieldName(field));
    for (const auto& [keyName, key] : {std::pair{"Enter", Qt::Key_Return},
                                       std::pair{"keypad Enter", Qt::Key_Enter},
                                       std::pair{"Escape", Qt::Key_Escape}}) {
      QTest::addRow("%s in %s", keyName, qPrintable(name)) << name << int{key};
    }
  }
}

void WindowEventsTest::enterAndEscapeNeverPressTheButton() {
  QFETCH(QString, field);
  QFETCH(int, key);
  // Every combo shows a choice, so a press of the button would show results.
  form_->setText(form::Field::口座種別Combo, u"ドル");
  form_->setText(form::Field::取引通貨Combo, u"クロス円");
  form_->setText(form::Field::通貨単位Combo, u"10000");
  QSignalSpy pressed(form_->control<QPushButton>(form::Element::計算), &QPushButton::pressed);
  auto* widget = form_->findChild<QWidget*>(field, Qt::FindDirectChildrenOnly);
  widget->setFocus();
  QTest::keyClick(widget, static_cast<Qt::Key>(key));
  QCOMPARE(pressed.count(), 0);
  QCOMPARE(form_->control<QLineEdit>(form::Field::オーダーの適正ロットtext)->text(), QString());
}

void WindowEventsTest::keysOnTheFocusedButton_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("presses");
  QTest::newRow("Enter") << int{Qt::Key_Return} << true;
  QTest::newRow("keypad Enter") << int{Qt::Key_Enter} << true;
  QTest::newRow("Space") << int{Qt::Key_Space} << true;
  QTest::newRow("Escape") << int{Qt::Key_Escape} << false;
}

void WindowEventsTest::keysOnTheFocusedButton() {
  QFETCH(int, key);
  QFETCH(bool, presses);
  form_->setText(form::Field::口座種別Combo, u"ドル");
  form_->setText(form::Field::取引通貨Combo, u"クロス円");
  form_->setText(form::Field::通貨単位Combo, u"10000");
  // Tabbed to from the last input, as a keyboard user reaches it.
  form_->control<QLineEdit>(form::Field::強制ロスカット証拠金維持率text)->setFocus();
  QTest::keyClick(form_->control<QLineEdit>(form::Field::強制ロスカット証拠金維持率text), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form_->control<QPushButton>(form::Element::計算));
  QTest::keyClick(form_->control<QPushButton>(form::Element::計算), static_cast<Qt::Key>(key));
  QCOMPARE(form_->control<QLineEdit>(form::Field::オーダーの適正ロットtext)->text(), presses ? u"0.10"_s : QString());
}

void WindowEventsTest::wheelChangesOnlyAFocusedCombo() {
  QComboBox* combo = form_->control<QComboBox>(form::Field::口座種別Combo);
  QVERIFY(drive::pickItem(combo, 1).isEmpty());
  QCOMPARE(combo->currentText(), u"円"_s);
  // The pointer passes over the box while the focus is elsewhere: over its text part,
  // then over its arrow.
  form_->control<QLineEdit>(form::Field::口座残高text)->setFocus();
  turnWheelUp(combo->lineEdit());
  turnWheelUp(combo);
  QCOMPARE(combo->currentText(), u"円"_s);
  QCOMPARE(QApplication::focusWidget(), form_->control<QLineEdit>(form::Field::口座残高text));
  combo->setFocus();
  turnWheelUp(combo);
  QCOMPARE(combo->currentText(), u"ドル"_s);
}

void WindowEventsTest::pickSelectsTheTextSoTypingReplacesIt() {
  QComboBox* combo = form_->control<QComboBox>(form::Field::口座種別Combo);
  QVERIFY(drive::pickItem(combo, 1).isEmpty());
  QCOMPARE(combo->lineEdit()->selectedText(), u"円"_s);
  QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, u"ド"_s, Qt::NoModifier);
  QCOMPARE(combo->currentText(), u"ド"_s);
  // An item's text typed, not picked, and left: nothing stays selected in a box without
  // the focus.
  QComboBox* typed = form_->control<QComboBox>(form::Field::取引通貨Combo);
  drive::typeText(typed, u"クロス円"_s);
  drive::typeText(form_->control(form::Field::口座残高text), u"5"_s);
  QCOMPARE(typed->lineEdit()->selectedText(), QString());
}

// Qt tells a screen reader that a label's text changed (a name change, over AT-SPI) only
// while the label has no accessible name of its own; then the message is its name.
void WindowEventsTest::screenReadersHearOfANewMessage() {
  QTest::mouseClick(form_->control<QPushButton>(form::Element::計算), Qt::LeftButton);
  QCOMPARE(form_->control<QLabel>(form::Field::Label1)->text(), u"口座種別を選択してください"_s);
  QCOMPARE(form_->control<QLabel>(form::Field::Label1)->accessibleName(), QString());
  QCOMPARE(QAccessible::queryAccessibleInterface(form_->control<QLabel>(form::Field::Label1))->text(QAccessible::Name),
           u"口座種別を選択してください"_s);
}

// A click tells a screen reader its message once, even the same message as the last click's,
// and a field's text only when the click changed it, once, with the text it leaves.
void WindowEventsTest::aClickIsHeardOnceForWhatItLeaves() {
  using form::Field;
  struct Step {
    const char* name;
    QList<std::pair<Field, std::u16string>> edits;
    QString message;
    int messageEvents;
  };
  const QString chooseAccount = u"口座種別を選択してください"_s;
  const Step steps[] = {
      {"three rows fail",
       {{Field::レバレッジtext, u""}, {Field::購入比率text, u""}, {Field::取引通貨Combo, u"クロス円"},
        {Field::通貨単位Combo, u"10000"}},
       chooseAccount, 1},
      {"the same fault again", {}, chooseAccount, 1},
      // No words to hear, but a reader that keeps the old name would read it out later.
      {"a sound click empties the message line",
       {{Field::レバレッジtext, u"100"}, {Field::購入比率text, u"10%"}, {Field::口座種別Combo, u"ドル"}},
       QString(), 1},
      {"the same results again", {}, QString(), 0},
      {"a fault empties the results",
       {{Field::レバレッジtext, u""}}, u"レバレッジを半角数字で入力してください"_s, 1},
  };
  for (const Step& step : steps) {
    for (const auto& [field, text] : step.edits) form_->setText(field, text);
    const QHash<QObject*, QString> before = fieldTexts(*form_);
    const QList<Heard> told =
        heardDuring([&] { QTest::mouseClick(form_->control<QPushButton>(form::Element::計算), Qt::LeftButton); });
    const QHash<QObject*, QString> after = fieldTexts(*form_);
    const QString name = QString::fromUtf8(step.name);
    QVERIFY2(form_->control<QLabel>(form::Field::Label1)->text() == step.message, step.name);
    const auto messageEvents = std::ranges::count_if(told, [&](const Heard& event) {
      return event.object == form_->control<QLabel>(form::Field::Label1) && event.type == QAccessible::NameChanged;
    });
    QVERIFY2(messageEvents == step.messageEvents,
             qPrintable(u"%1: %2 message events"_s.arg(name).arg(messageEvents)));
    QSet<QObject*> toldOf;
    for (const Heard& event : told) {
      const bool textEvent = event.type == QAccessible::TextInserted ||
                             event.type == QAccessible::TextRemoved ||
                             event.type == QAccessible::TextUpdated;
      if (!textEvent || !after.contains(event.object)) continue;
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

// A pick once failed after an earlier pick had left the mouse where the item shows, even
// in a reopened window; QELMAR_PICK_SEED replays another sequence.
void WindowEventsTest::everyDriverPickTakesEffectWhateverCameBefore() {
  form_.reset();  // the driver opens windows of its own
  testLogHandler = qInstallMessageHandler(withoutOffscreenLimits);
  const auto restoreLog = qScopeGuard([] { qInstallMessageHandler(testLogHandler); });
  bool seedGiven = false;
  const int given = qEnvironmentVariableIntValue("QELMAR_PICK_SEED", &seedGiven);
  const quint32 seed = seedGiven ? static_cast<quint32>(given) : 1U;
  QRandomGenerator random(seed);
  drive::QtWindow window;
  drive::Driver driver(window);
  for (int step = 1, picks = 0; picks < 300; ++step) {
    const QJsonObject action = randomAction(random);
    const QByteArray line = QJsonDocument(action).toJson(QJsonDocument::Compact);
    const QByteArray answer = QByteArray::fromStdString(driver.perform(line.toStdString()));
    const QJsonObject state = QJsonDocument::fromJson(answer).object();
    const QByteArray where = "seed " + QByteArray::number(seed) + ", action " +
                             QByteArray::number(step) + ": " + line + " -> " + answer;
    QVERIFY2(!state.contains(u"error"), where.constData());
    if (action.value(u"do").toString() != u"pick") continue;
    ++picks;
    const QString combo = action.value(u"field").toString();
    QVERIFY2(state.value(combo) == action.value(u"item"), where.constData());
    QVERIFY2(state.value(u"focus") == combo, where.constData());
  }
}

QTEST_MAIN(WindowEventsTest)
