#include "hostile_window_test.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "form/window_table.h"
#include "qt/qelmar_form.h"
#include "qt/qt_text.h"
#include "properties.h"

using namespace Qt::StringLiterals;
using form::Field;

namespace {

const QString kCannotCompute = u"入力された数値では計算できません"_s;
constexpr int kLongest = 32767;
constexpr int kEveryInput = -1;

int id(Field field) { return static_cast<int>(field); }
Field fieldOf(int id) { return static_cast<Field>(id); }

}  // namespace

HostileWindowTest::HostileWindowTest() = default;
HostileWindowTest::~HostileWindowTest() = default;

void HostileWindowTest::init() {
  form_ = qt::QelmarForm::open();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void HostileWindowTest::cleanup() { form_.reset(); }

// Each row pastes into one input, the other inputs chosen and valid, or into every input
// straight after start-up: 32,767 characters, and texts a keyboard cannot produce.
void HostileWindowTest::paste_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<QString>("paste");
  QTest::addColumn<QStringList>("messages");
  const auto row = [](const char* what, int field, const QString& paste, const QStringList& messages) {
    const QString where =
        field == kEveryInput ? u"every input"_s : qt::qtText(form::fieldName(fieldOf(field)));
    QTest::newRow((where + u' ' + QString::fromLatin1(what)).toUtf8().constData())
        << field << paste << messages;
  };
  const QString nines(kLongest, u'9');
  row("nines", kEveryInput, nines, {u"口座種別を選択してください"_s});
  row("kana", kEveryInput, QString(kLongest, u'あ'), {u"口座残高に半角数字以外が入力されています"_s});
  row("full-width digits", kEveryInput, QString(kLongest, u'１'), {u"口座残高に半角数字以外が入力されています"_s});
  row("percent signs", kEveryInput, QString(kLongest, u'%'), {u"口座残高を半角数字で入力してください"_s});
  row("lone surrogates", kEveryInput, QString(kLongest, QChar(0xD800)),
      {u"口座残高に半角数字以外が入力されています"_s});
  for (const Field field : {Field::口座残高text, Field::現在のUSDJYPレートtext, Field::現在の取引通貨レートtext,
                            Field::レバレッジtext, Field::購入比率text, Field::運用オーダー数text,
                            Field::強制ロスカット証拠金維持率text}) {
    row("nines", id(field), nines, {kCannotCompute});
  }
  row("nines", id(Field::口座種別Combo), nines, {u"口座種別を選択してください"_s});
  row("nines", id(Field::取引通貨Combo), nines, {u"取引通貨を選択してください"_s});
  // A number, though too large to compute with.
  row("nines", id(Field::通貨単位Combo), nines, {kCannotCompute});
  row("lone high surrogate", id(Field::口座残高text), u"100"_s + QChar(0xD800),
      {u"口座残高に半角数字以外が入力されています"_s});
  row("lone low surrogate", id(Field::レバレッジtext), QString(QChar(0xDC00)),
      {u"レバレッジに半角数字以外が入力されています"_s});
  row("lone surrogate", id(Field::口座種別Combo), u"円"_s + QChar(0xDC00), {u"口座種別を選択してください"_s});
  row("lone surrogate", id(Field::通貨単位Combo), QString(QChar(0xD800)), {u"通貨単位を選択してください"_s});
  row("digit outside the basic plane", id(Field::運用オーダー数text), u"1\U0001D7CF"_s,
      {u"運用オーダー数に半角数字以外が入力されています"_s});
  row("control character", id(Field::購入比率text), u"10\u0007%"_s,
      {u"購入比率に半角数字以外が入力されています"_s});
  row("nul", id(Field::現在の取引通貨レートtext), u"1"_s + QChar(0) + u"00"_s,
      {u"現在の取引通貨レートに半角数字以外が入力されています"_s});
}

void HostileWindowTest::paste() {
  QFETCH(int, field);
  QFETCH(QString, paste);
  QFETCH(QStringList, messages);
  if (field != kEveryInput) {
    pasteInto(id(Field::口座種別Combo), u"円"_s);
    pasteInto(id(Field::取引通貨Combo), u"クロス円"_s);
    pasteInto(id(Field::通貨単位Combo), u"10000"_s);
  }
  for (int input = 0; input < 10; ++input) {
    if (field != kEveryInput && input != field) continue;
    pasteInto(input, paste);
    QCOMPARE(qt::qtText(form_->text(fieldOf(input))), paste);
  }

  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(form_->control<QPushButton>(form::Element::計算), Qt::LeftButton);
  QVERIFY2(timer.elapsed() < 1000, qPrintable(u"the click took %1 ms"_s.arg(timer.elapsed())));
  const std::string fault = qelmar_fuzz::clickStateFault(*form_);
  QVERIFY2(fault.empty(), fault.c_str());
  const QString shown = qt::qtText(form_->text(Field::Label1));
  QVERIFY2(messages.contains(shown), qPrintable(shown));
}

// Select all, then Ctrl+V, as a user pastes.
void HostileWindowTest::pasteInto(int field, const QString& text) {
  QWidget* widget = form_->control(fieldOf(field));
  auto* combo = qobject_cast<QComboBox*>(widget);
  QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget);
  QVERIFY(edit != nullptr);
  QGuiApplication::clipboard()->setText(text);
  edit->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

QTEST_MAIN(HostileWindowTest)
