#include "tests/qt/window_events_test.h"

#include "qt/native_text.h"
#include "qt/qelmar_form.h"
#include "tests/qt/user_input.h"
#include "tests/support/window_as_met.h"
#include "tools/drive/qt/user_actions.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using form::Field;

// The change event of 取引通貨Combo rescales the trade rate; from this rate each run
// leaves a different text, so the text tells how many runs there were.
constexpr char16_t kCountingRate[] = u"0.00001";
const QStringList kRateAfterRuns{u"0.00001"_s, u"0.001"_s, u"0.100"_s, u"10.000"_s};

// Every combo box shows a choice, so a press of 計算 shows results.
void chooseInEveryCombo(qt::QelmarForm& form) {
  form.setText(Field::口座種別Combo, u"ドル");
  form.setText(Field::取引通貨Combo, u"クロス円");
  form.setText(Field::通貨単位Combo, u"10000");
}

}  // namespace

void WindowEventsTest::formLoadFillsTheListsAndKeepsThePrompts() {
  const struct {
    Field combo;
    QStringList items;
    QString prompt;
  } lists[] = {
      {Field::口座種別Combo, {u"ドル"_s, u"円"_s}, u"口座種別を選択"_s},
      {Field::取引通貨Combo, {u"クロス円"_s, u"ドルストレート"_s}, u"取引通貨を選択"_s},
      {Field::通貨単位Combo, {u"1000"_s, u"10000"_s}, u"通貨単位を選択"_s},
  };
  for (const auto& list : lists) {
    const auto* combo = form_->control<QComboBox>(list.combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    QCOMPARE(items, list.items);
    QCOMPARE(combo->currentText(), list.prompt);
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
  QTest::newRow("three changes")
      << QStringList{u"<End>"_s, u"x"_s, u"<Left>"_s, u"y"_s, u"<Backspace>"_s} << 3;
}

void WindowEventsTest::changeEventOncePerChangingKeystroke() {
  QFETCH(QStringList, keys);
  QFETCH(int, runs);
  auto* rate = form_->control<QLineEdit>(Field::現在の取引通貨レートtext);
  auto* combo = form_->control<QComboBox>(Field::取引通貨Combo);
  rate->setText(QString::fromUtf16(kCountingRate));
  combo->setFocus();
  for (const QString& key : keys) qelmar_test::press(combo, key);
  QCOMPARE(rate->text(), kRateAfterRuns[runs]);
}

void WindowEventsTest::noChangeEventFromAPickOrATextSetInCode() {
  auto* rate = form_->control<QLineEdit>(Field::現在の取引通貨レートtext);
  auto* combo = form_->control<QComboBox>(Field::取引通貨Combo);
  rate->setText(QString::fromUtf16(kCountingRate));
  QVERIFY(drive::pickItem(combo, 1).isEmpty());
  QCOMPARE(combo->currentText(), u"ドルストレート"_s);
  QVERIFY(drive::pickItem(combo, 0).isEmpty());
  QCOMPARE(combo->currentText(), u"クロス円"_s);
  form_->setText(Field::取引通貨Combo, u"ドルストレート");
  QCOMPARE(combo->currentText(), u"ドルストレート"_s);
  QCOMPARE(rate->text(), kRateAfterRuns[0]);
}

void WindowEventsTest::comboTextIsNeverCompletedNorInserted() {
  auto* combo = form_->control<QComboBox>(Field::口座種別Combo);
  drive::typeText(combo, u"ド"_s);
  QCOMPARE(combo->currentText(), u"ド"_s);
  drive::typeText(combo, u"円 "_s);
  QTest::keyClick(combo, Qt::Key_Return);
  QTest::keyClick(combo, Qt::Key_Tab);
  QCOMPARE(combo->currentText(), u"円 "_s);
  QCOMPARE(combo->count(), 2);
}

void WindowEventsTest::pickSelectsTheTextSoTypingReplacesIt() {
  auto* combo = form_->control<QComboBox>(Field::口座種別Combo);
  QVERIFY(drive::pickItem(combo, 1).isEmpty());
  QCOMPARE(combo->lineEdit()->selectedText(), u"円"_s);
  qelmar_test::press(combo, u"ド"_s);
  QCOMPARE(combo->currentText(), u"ド"_s);
  // An item's text typed, not picked, and left: nothing stays selected in a box without
  // the focus.
  auto* typed = form_->control<QComboBox>(Field::取引通貨Combo);
  drive::typeText(typed, u"クロス円"_s);
  drive::typeText(form_->control(Field::口座残高text), u"5"_s);
  QCOMPARE(typed->lineEdit()->selectedText(), QString());
}

void WindowEventsTest::enterAndEscapeNeverPressTheButton_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<int>("key");
  for (const qelmar_test::FieldAsMet& shown : qelmar_test::kFieldsAsMet) {
    for (const auto& [name, key] : {std::pair{"Enter", Qt::Key_Return},
                                    std::pair{"keypad Enter", Qt::Key_Enter},
                                    std::pair{"Escape", Qt::Key_Escape}}) {
      QTest::addRow("%s in %s", name, qPrintable(qt::qtText(shown.caption)))
          << static_cast<int>(shown.field) << int{key};
    }
  }
}

void WindowEventsTest::enterAndEscapeNeverPressTheButton() {
  QFETCH(int, field);
  QFETCH(int, key);
  chooseInEveryCombo(*form_);
  QSignalSpy pressed(form_->control<QPushButton>(form::Element::計算), &QPushButton::pressed);
  QWidget* widget = form_->control(static_cast<Field>(field));
  widget->setFocus();
  QTest::keyClick(widget, static_cast<Qt::Key>(key));
  QCOMPARE(pressed.count(), 0);
  QCOMPARE(form_->control<QLineEdit>(Field::オーダーの適正ロットtext)->text(), QString());
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
  chooseInEveryCombo(*form_);
  // Tabbed to from the last input, as a keyboard user reaches it.
  QWidget* lastInput = form_->control(Field::強制ロスカット証拠金維持率text);
  QWidget* button = form_->control(form::Element::計算);
  lastInput->setFocus();
  QTest::keyClick(lastInput, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), button);
  QTest::keyClick(button, static_cast<Qt::Key>(key));
  QCOMPARE(form_->control<QLineEdit>(Field::オーダーの適正ロットtext)->text(),
           presses ? u"0.10"_s : QString());
}

// Tab from each stop to the next and Shift+Tab back, in the order the user reads them.
void WindowEventsTest::tabAndShiftTabWalkTheStopsFromTheFirstAndWrap() {
  const auto& stops = qelmar_test::kTabStops;
  const std::size_t count = std::size(stops);
  QCOMPARE(QApplication::focusWidget(), form_->control(stops[0]));
  for (std::size_t i = 1; i <= count; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->control(stops[i % count]));
  }
  for (std::size_t i = count; i > 0; --i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), form_->control(stops[i - 1]));
  }
}

QTEST_MAIN(WindowEventsTest)
