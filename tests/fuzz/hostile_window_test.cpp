#include "hostile_window_test.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "calc/fields.h"
#include "click_property.h"
#include "form/qelmar_form.h"

using namespace Qt::StringLiterals;
using calc::Field;

namespace {

const QString kCannotCompute = u"入力された数値では計算できません"_s;
constexpr int kLongest = 32767;

QString qs(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

int id(Field field) { return static_cast<int>(field); }
Field fieldOf(int id) { return static_cast<Field>(id); }

}  // namespace

HostileWindowTest::HostileWindowTest() = default;
HostileWindowTest::~HostileWindowTest() = default;

void HostileWindowTest::init() {
  form_ = std::make_unique<form::QelmarForm>();
  form_->Form_Load();
  form_->show();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void HostileWindowTest::cleanup() { form_.reset(); }

void HostileWindowTest::longPasteIntoEveryInput_data() {
  QTest::addColumn<QString>("paste");
  QTest::addColumn<QString>("message");
  QTest::newRow("nines") << QString(kLongest, u'9') << u"口座種別を選択してください"_s;
  QTest::newRow("kana") << QString(kLongest, u'あ') << u"口座残高に半角数字以外が入力されています"_s;
  QTest::newRow("full-width digits") << QString(kLongest, u'１')
                                     << u"口座残高に半角数字以外が入力されています"_s;
  QTest::newRow("percent signs") << QString(kLongest, u'%') << u"口座残高を半角数字で入力してください"_s;
  QTest::newRow("lone surrogates") << QString(kLongest, QChar(0xD800))
                                   << u"口座残高に半角数字以外が入力されています"_s;
}

void HostileWindowTest::longPasteIntoEveryInput() {
  QFETCH(QString, paste);
  QFETCH(QString, message);
  for (std::size_t i = 0; i < 10; ++i) pasteInto(id(calc::allFields()[i]), paste);
  for (std::size_t i = 0; i < 10; ++i) {
    QCOMPARE(form_->text(calc::allFields()[i]).size(), std::size_t{kLongest});
  }
  pressWithinASecond();
  expectTwoStates();
  QCOMPARE(qs(form_->text(Field::Label1)), message);
}

// One long paste at a time, the other inputs chosen and valid.
void HostileWindowTest::longPasteIntoOneInput_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<QStringList>("messages");
  const auto row = [](Field field, const QStringList& messages) {
    QTest::newRow(qs(calc::fieldName(field)).toUtf8().constData()) << id(field) << messages;
  };
  row(Field::口座残高text, {kCannotCompute});
  row(Field::口座種別Combo, {u"口座種別を選択してください"_s});
  row(Field::取引通貨Combo, {u"取引通貨を選択してください"_s});
  row(Field::現在のUSDJYPレートtext, {kCannotCompute});
  row(Field::現在の取引通貨レートtext, {kCannotCompute});
  // Digits that overflow a Double: no number to compute with, either message is sound.
  row(Field::通貨単位Combo, {u"通貨単位を選択してください"_s, kCannotCompute});
  row(Field::レバレッジtext, {kCannotCompute});
  row(Field::購入比率text, {kCannotCompute});
  row(Field::運用オーダー数text, {kCannotCompute});
  row(Field::強制ロスカット証拠金維持率text, {kCannotCompute});
}

void HostileWindowTest::longPasteIntoOneInput() {
  QFETCH(int, field);
  QFETCH(QStringList, messages);
  chooseExampleA();
  pasteInto(field, QString(kLongest, u'9'));
  pressWithinASecond();
  expectTwoStates();
  const QString shown = qs(form_->text(Field::Label1));
  QVERIFY2(messages.contains(shown), qPrintable(shown));
}

// Texts a keyboard cannot produce; the window keeps them as pasted.
void HostileWindowTest::unusualPastes_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<QString>("paste");
  QTest::addColumn<QString>("message");
  QTest::newRow("lone high surrogate, balance")
      << id(Field::口座残高text) << u"100"_s + QChar(0xD800) << u"口座残高に半角数字以外が入力されています"_s;
  QTest::newRow("lone low surrogate, leverage")
      << id(Field::レバレッジtext) << QString(QChar(0xDC00)) << u"レバレッジに半角数字以外が入力されています"_s;
  QTest::newRow("lone surrogate, account kind")
      << id(Field::口座種別Combo) << u"円"_s + QChar(0xDC00) << u"口座種別を選択してください"_s;
  QTest::newRow("lone surrogate, unit")
      << id(Field::通貨単位Combo) << QString(QChar(0xD800)) << u"通貨単位を選択してください"_s;
  QTest::newRow("digit outside the basic plane, order count")
      << id(Field::運用オーダー数text) << u"1\U0001D7CF"_s << u"運用オーダー数に半角数字以外が入力されています"_s;
  QTest::newRow("control character, buy ratio")
      << id(Field::購入比率text) << u"10\u0007%"_s << u"購入比率に半角数字以外が入力されています"_s;
  QTest::newRow("nul, trade rate") << id(Field::現在の取引通貨レートtext) << u"1"_s + QChar(0) + u"00"_s
                                   << u"現在の取引通貨レートに半角数字以外が入力されています"_s;
}

void HostileWindowTest::unusualPastes() {
  QFETCH(int, field);
  QFETCH(QString, paste);
  QFETCH(QString, message);
  chooseExampleA();
  pasteInto(field, paste);
  QCOMPARE(qs(form_->text(fieldOf(field))), paste);
  pressWithinASecond();
  expectTwoStates();
  QCOMPARE(qs(form_->text(Field::Label1)), message);
}

QLineEdit* HostileWindowTest::editOf(int field) {
  QWidget* widget = form_->findChild<QWidget*>(qs(calc::fieldName(fieldOf(field))));
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(widget);
}

// Select all, then Ctrl+V, as a user pastes.
void HostileWindowTest::pasteInto(int field, const QString& text) {
  QLineEdit* edit = editOf(field);
  QVERIFY(edit != nullptr);
  QGuiApplication::clipboard()->setText(text);
  edit->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void HostileWindowTest::chooseExampleA() {
  pasteInto(id(Field::口座種別Combo), u"円"_s);
  pasteInto(id(Field::取引通貨Combo), u"クロス円"_s);
  pasteInto(id(Field::通貨単位Combo), u"10000"_s);
}

void HostileWindowTest::pressWithinASecond() {
  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(form_->計算, Qt::LeftButton);
  QVERIFY2(timer.elapsed() < 1000, qPrintable(u"the click took %1 ms"_s.arg(timer.elapsed())));
}

void HostileWindowTest::expectTwoStates() {
  for (const std::string& problem : qelmar_fuzz::judgeClickState(*form_)) QFAIL(problem.c_str());
}

QTEST_MAIN(HostileWindowTest)
