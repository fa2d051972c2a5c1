#include "form/qelmar_form.h"

#include "calc/calculate_click.h"
#include "calc/gathered_writes.h"
#include "calc/normalization.h"
#include "form/captions.h"
#include "form/combo_box_accessible.h"
#include "form/field_combo_box.h"
#include "form/input_method_off_line_edit.h"
#include "calc/input_checks.h"
#include "form/layout.h"
#include "form/message_line.h"
#include "form/qt_text.h"
#include "form/window_font.h"
#include "numeric/numeric_error.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <span>
#include <variant>
#include <vector>

// The images live in this static library's resources, which the linker keeps only when
// something names them.
static void registerImages() { Q_INIT_RESOURCE(qelmar); }

namespace form {
namespace {

using calc::Field;

std::size_t index(Field field) { return static_cast<std::size_t>(field); }

template <typename Widget>
Widget* named(QWidget* form, std::u16string_view name) {
  auto* widget = new Widget(form);
  widget->setObjectName(qtText(name));
  return widget;
}

QStringList everyMessage() {
  QStringList messages;
  for (std::u16string_view message : calc::everyMessage()) messages << qtText(message);
  return messages;
}

const Twips& boxOf(const Placed& element) {
  return std::ranges::find(placements(), element, &Placement::element)->box;
}

// Every caption within its label's width, every message within the message line.
bool textsFit(const QFont& font) {
  const QFontMetrics metrics(font);
  const bool captionsFit = std::ranges::all_of(captions(), [&](const Caption& caption) {
    const int room = pixels(boxOf(CaptionOf{caption.field})).width();
    return metrics.horizontalAdvance(qtText(caption.caption)) <= room;
  });
  const QRect line = pixels(boxOf(Field::Label1));
  const QStringList messages = everyMessage();
  return captionsFit && std::ranges::all_of(messages, [&](const QString& message) {
    return MessageLine::heightFor(font, messages, message, line.width()) <= line.height();
  });
}

// The window font comes before any child exists: a child measured first in Qt's default
// face would load a second font file for nothing.
QWidget* inWindowFont(QWidget* form) {
  form->setFont(windowFont(textsFit));
  return form;
}

QLabel* banner(QWidget* form) {
  registerImages();
  auto* image = named<QLabel>(form, u"Image1");
  // Named formats: a file read without one makes Qt load every image reader to ask.
  image->setPixmap(QPixmap(QStringLiteral(":/banner.gif"), "GIF"));
  return image;
}

template <typename Box>
Box* textBoxOf(QWidget* form, Field field) {
  auto* box = named<Box>(form, calc::fieldName(field));
  box->setText(qtText(calc::startText(field)));
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return box;
}

QFrame* divider(QWidget* form) {
  auto* line = named<QFrame>(form, u"Line1");
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  line->setForegroundRole(QPalette::WindowText);
  return line;
}

QPushButton* calculateButton(QWidget* form) {
  auto* button = named<QPushButton>(form, u"計算");
  button->setText(QStringLiteral("計算"));
  // Enter presses it when it has the focus, as Space does. Outside a dialog nothing makes
  // an auto-default button the default, so Enter in a field still never presses it.
  button->setAutoDefault(true);
  button->setDefault(false);
  return button;
}

// Appending to an empty list would select the first item and show its text; the combo
// keeps showing its prompt with nothing selected.
void appendItems(QComboBox* combo, std::span<const std::u16string_view> items) {
  const QString shown = combo->currentText();
  for (std::u16string_view item : items) combo->addItem(qtText(item));
  combo->setCurrentIndex(-1);
  combo->setEditText(shown);
}

// Minimise and close only. Openbox 3.6 still draws its maximise button, greyed out: it
// keeps a button whenever a button between it and the title is shown.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

template <class... Cases>
struct Overloaded : Cases... {
  using Cases::operator()...;
};

}  // namespace

template <typename Widget>
Widget* QelmarForm::keep(Widget* widget, Field field) {
  fieldWidgets_[index(field)] = widget;
  return widget;
}

QLabel* QelmarForm::captionLabel(Field field) {
  const Caption& caption = captionOf(field);
  auto* label = named<QLabel>(this, caption.label);
  label->setTextFormat(Qt::PlainText);
  label->setText(qtText(caption.caption));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Flat and opaque: window-text letters on the window background.
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Window);
  label->setForegroundRole(QPalette::WindowText);
  captionLabels_[index(field)] = label;
  return label;
}

QLineEdit* QelmarForm::textBox(Field field) {
  return keep(textBoxOf<QLineEdit>(this, field), field);
}

// Numbers are typed here: no input method may turn the keys into full-width text.
QLineEdit* QelmarForm::inputBox(Field field) {
  return keep(textBoxOf<InputMethodOffLineEdit>(this, field), field);
}

QComboBox* QelmarForm::comboBox(Field field) {
  // Before the box exists: Qt keeps the first interface it makes for a widget.
  installComboBoxAccessible();
  auto* combo = named<FieldComboBox>(this, calc::fieldName(field));
  combo->setEditText(qtText(calc::startText(field)));
  return keep(combo, field);
}

// Left without an accessible name: only then does Qt tell a screen reader that the label's
// text changed, and read the message out as its name.
QLabel* QelmarForm::messageLine() {
  auto* label = new MessageLine(this, everyMessage());
  label->setObjectName(qtText(calc::fieldName(Field::Label1)));
  return keep(label, Field::Label1);
}

QelmarForm::QelmarForm(QWidget* parent)
    : QWidget(parent, kWindowFlags),
      Image1(banner(inWindowFont(this))),
      口座残高(captionLabel(Field::口座残高text)),
      口座種別(captionLabel(Field::口座種別Combo)),
      取引通貨(captionLabel(Field::取引通貨Combo)),
      現在のUSDJYPレート(captionLabel(Field::現在のUSDJYPレートtext)),
      現在の取引通貨レート(captionLabel(Field::現在の取引通貨レートtext)),
      通貨単位(captionLabel(Field::通貨単位Combo)),
      レバレッジ(captionLabel(Field::レバレッジtext)),
      購入比率(captionLabel(Field::購入比率text)),
      運用オーダー数(captionLabel(Field::運用オーダー数text)),
      強制ロスカット証拠金維持率(captionLabel(Field::強制ロスカット証拠金維持率text)),
      口座残高text(inputBox(Field::口座残高text)),
      口座種別Combo(comboBox(Field::口座種別Combo)),
      取引通貨Combo(comboBox(Field::取引通貨Combo)),
      現在のUSDJYPレートtext(inputBox(Field::現在のUSDJYPレートtext)),
      現在の取引通貨レートtext(inputBox(Field::現在の取引通貨レートtext)),
      通貨単位Combo(comboBox(Field::通貨単位Combo)),
      レバレッジtext(inputBox(Field::レバレッジtext)),
      購入比率text(inputBox(Field::購入比率text)),
      運用オーダー数text(inputBox(Field::運用オーダー数text)),
      強制ロスカット証拠金維持率text(inputBox(Field::強制ロスカット証拠金維持率text)),
      Line1(divider(this)),
      オーダーの適正ロット(captionLabel(Field::オーダーの適正ロットtext)),
      ポジション必要証拠金ポジション必要証拠金(captionLabel(Field::ポジション必要証拠金text)),
      オーダー時の有効証拠金(captionLabel(Field::オーダー時の有効証拠金text)),
      PIPSあたりの損益額(captionLabel(Field::PIPSあたりの損益額text)),
      許容含み損(captionLabel(Field::許容含み損text)),
      ロスカットまでの余力PIPS(captionLabel(Field::ロスカットまでの余力PIPStext)),
      ロスカット到達レート買(captionLabel(Field::ロスカット到達レート買text)),
      ロスカット到達レート売(captionLabel(Field::ロスカット到達レート売text)),
      オーダーの適正ロットtext(textBox(Field::オーダーの適正ロットtext)),
      ポジション必要証拠金text(textBox(Field::ポジション必要証拠金text)),
      オーダー時の有効証拠金text(textBox(Field::オーダー時の有効証拠金text)),
      PIPSあたりの損益額text(textBox(Field::PIPSあたりの損益額text)),
      許容含み損text(textBox(Field::許容含み損text)),
      ロスカットまでの余力PIPStext(textBox(Field::ロスカットまでの余力PIPStext)),
      ロスカット到達レート買text(textBox(Field::ロスカット到達レート買text)),
      ロスカット到達レート売text(textBox(Field::ロスカット到達レート売text)),
      Label1(messageLine()),
      計算(calculateButton(this)) {
  setObjectName(QStringLiteral("Qelmar"));
  setWindowTitle(QStringLiteral("Qelmar"));
  setWindowIcon(QIcon(QPixmap(QStringLiteral(":/qelmar.gif"), "GIF")));

  // A screen reader names each field, and a combo box's text part, by the caption beside it.
  for (const Caption& caption : captions()) {
    QWidget* field = fieldWidgets_[index(caption.field)];
    field->setAccessibleName(qtText(caption.caption));
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
      combo->lineEdit()->setAccessibleName(qtText(caption.caption));
    }
  }

  placeElements();
  orderFocus();

  connect(計算, &QPushButton::clicked, this, &QelmarForm::計算_Click);
  // Only the user's own edits raise the change event: picking an item or setting the
  // text in code does not.
  connect(取引通貨Combo->lineEdit(), &QLineEdit::textEdited, this,
          &QelmarForm::取引通貨Combo_Change);
}

QWidget* QelmarForm::widget(const Placed& element) const {
  return std::visit(
      Overloaded{
          [&](Field field) -> QWidget* { return fieldWidgets_[index(field)]; },
          [&](CaptionOf caption) -> QWidget* { return captionLabels_[index(caption.field)]; },
          [&](Element other) -> QWidget* {
            switch (other) {
              case Element::Image1: return Image1;
              case Element::Line1: return Line1;
              case Element::計算: return 計算;
            }
            return nullptr;
          },
      },
      element);
}

void QelmarForm::placeElements() {
  setFixedSize(pixels(windowBox()).size());
  placeWindow(QMargins());
  for (const Placement& row : placements()) widget(row.element)->setGeometry(pixels(row.box));
}

// Until the window is shown its frame is unknown; placed again once it is.
void QelmarForm::placeWindow(const QMargins& frame) {
  QRect client = pixels(windowBox());
  const QScreen* screen = QGuiApplication::screenAt(client.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    client.moveTopLeft(
        openingPlace(client, frame, screen->availableGeometry(), screen->devicePixelRatio()));
  }
  setGeometry(client);
}

bool QelmarForm::eventFilter(QObject* watched, QEvent* event) {
  QWindow* window = windowHandle();
  if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
    window->removeEventFilter(this);
    placeWindow(window->frameMargins());
  }
  return QWidget::eventFilter(watched, event);
}

// Tab walks the stops by their tab index and wraps; the window opens on the first stop.
void QelmarForm::orderFocus() {
  std::vector<Placement> stops;
  std::ranges::copy_if(placements(), std::back_inserter(stops),
                       [](const Placement& row) { return row.tabIndex != kNoTabStop; });
  std::ranges::sort(stops, {}, &Placement::tabIndex);
  QWidget* previous = nullptr;
  for (const Placement& stop : stops) {
    QWidget* next = widget(stop.element);
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  }
  widget(stops.front().element)->setFocus();
}

std::unique_ptr<QelmarForm> QelmarForm::open() {
  auto window = std::make_unique<QelmarForm>();
  window->Form_Load();
  window->show();
  // The window manager frames the window as it maps it.
  window->windowHandle()->installEventFilter(window.get());
  return window;
}

void QelmarForm::Form_Load() {
  appendItems(口座種別Combo, calc::comboItems(Field::口座種別Combo));
  appendItems(取引通貨Combo, calc::comboItems(Field::取引通貨Combo));
  appendItems(通貨単位Combo, calc::comboItems(Field::通貨単位Combo));
  try {
    calc::normalizeInputs(*this);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed; the fields keep what it had written.
  }
}

// The handlers write a field and then replace its text, and set the message once per
// failing check; a screen reader must hear only the outcome, so it reaches the widgets once.
void QelmarForm::計算_Click() {
  const QString lastMessage = Label1->text();
  calc::GatheredWrites click(*this);
  calc::計算_Click(click);
  click.apply();
  // The same message again changes no text, so Qt tells no one; a user who presses again
  // must still hear that the fault stands.
  if (!Label1->text().isEmpty() && Label1->text() == lastMessage) {
    QAccessibleEvent again(Label1, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&again);
  }
}

void QelmarForm::取引通貨Combo_Change() {
  calc::GatheredWrites change(*this);
  try {
    calc::取引通貨Combo_Change(change);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed; the fields keep what it had written.
  }
  change.apply();
}

std::u16string QelmarForm::text(Field field) const {
  QWidget* widget = fieldWidgets_[index(field)];
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text().toStdU16String();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    return combo->currentText().toStdU16String();
  }
  return static_cast<QLabel*>(widget)->text().toStdU16String();
}

void QelmarForm::setText(Field field, std::u16string text) {
  QWidget* widget = fieldWidgets_[index(field)];
  const QString value = QString::fromStdU16String(text);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(value);
  } else {
    static_cast<QLabel*>(widget)->setText(value);
  }
}

}  // namespace form
