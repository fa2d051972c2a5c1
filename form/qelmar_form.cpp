#include "form/qelmar_form.h"

#include "calc/calculate_click.h"
#include "calc/normalization.h"
#include "form/captions.h"
#include "form/input_method_off_line_edit.h"
#include "form/layout.h"
#include "form/window_font.h"
#include "numeric/numeric_error.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <span>
#include <vector>

// The images live in this static library's resources, which the linker keeps only when
// something names them.
static void registerImages() { Q_INIT_RESOURCE(qelmar); }

namespace form {
namespace {

using calc::Field;

QString qs(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Widget>
Widget* named(QWidget* form, std::u16string_view name) {
  auto* widget = new Widget(form);
  widget->setObjectName(qs(name));
  return widget;
}

// The window font comes before any child exists: a child measured first in Qt's default
// face would load a second font file for nothing.
QWidget* inWindowFont(QWidget* form) {
  form->setFont(windowFont());
  return form;
}

QLabel* banner(QWidget* form) {
  registerImages();
  auto* image = named<QLabel>(form, u"Image1");
  image->setPixmap(QPixmap(QStringLiteral(":/banner.gif")));
  return image;
}

QLabel* captionLabel(QWidget* form, std::u16string_view name) {
  auto* label = named<QLabel>(form, name);
  label->setTextFormat(Qt::PlainText);
  label->setText(qs(captionOf(name).caption));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Flat and opaque: window-text letters on the window background.
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Window);
  label->setForegroundRole(QPalette::WindowText);
  return label;
}

template <typename Box = QLineEdit>
QLineEdit* textBox(QWidget* form, Field field) {
  auto* box = named<Box>(form, calc::fieldName(field));
  box->setText(qs(calc::startText(field)));
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return box;
}

// Numbers are typed here: no input method may turn the keys into full-width text.
QLineEdit* inputBox(QWidget* form, Field field) {
  return textBox<InputMethodOffLineEdit>(form, field);
}

QComboBox* comboBox(QWidget* form, Field field) {
  auto* combo = named<QComboBox>(form, calc::fieldName(field));
  combo->setEditable(true);
  // The handlers compare the text exactly, so Qt must not change it behind the user's
  // back: no completion, and a typed text never becomes an item.
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setDuplicatesEnabled(false);
  combo->setEditText(qs(calc::startText(field)));
  return combo;
}

QFrame* divider(QWidget* form) {
  auto* line = named<QFrame>(form, u"Line1");
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  line->setForegroundRole(QPalette::WindowText);
  return line;
}

QLabel* messageLine(QWidget* form) {
  auto* label = named<QLabel>(form, calc::fieldName(Field::Label1));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QPushButton* calculateButton(QWidget* form) {
  auto* button = named<QPushButton>(form, u"計算");
  button->setText(QStringLiteral("計算"));
  // Enter and Escape in a field must never press it.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// Appending to an empty list would select the first item and show its text; the combo
// keeps showing its prompt with nothing selected.
void appendItems(QComboBox* combo, std::span<const std::u16string_view> items) {
  const QString shown = combo->currentText();
  for (std::u16string_view item : items) combo->addItem(qs(item));
  combo->setCurrentIndex(-1);
  combo->setEditText(shown);
}

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

}  // namespace

QelmarForm::QelmarForm(QWidget* parent)
    : QWidget(parent, kWindowFlags),
      Image1(banner(inWindowFont(this))),
      口座残高(captionLabel(this, u"口座残高")),
      口座種別(captionLabel(this, u"口座種別")),
      取引通貨(captionLabel(this, u"取引通貨")),
      現在のUSDJYPレート(captionLabel(this, u"現在のUSDJYPレート")),
      現在の取引通貨レート(captionLabel(this, u"現在の取引通貨レート")),
      通貨単位(captionLabel(this, u"通貨単位")),
      レバレッジ(captionLabel(this, u"レバレッジ")),
      購入比率(captionLabel(this, u"購入比率")),
      運用オーダー数(captionLabel(this, u"運用オーダー数")),
      強制ロスカット証拠金維持率(captionLabel(this, u"強制ロスカット証拠金維持率")),
      口座残高text(inputBox(this, Field::口座残高text)),
      口座種別Combo(comboBox(this, Field::口座種別Combo)),
      取引通貨Combo(comboBox(this, Field::取引通貨Combo)),
      現在のUSDJYPレートtext(inputBox(this, Field::現在のUSDJYPレートtext)),
      現在の取引通貨レートtext(inputBox(this, Field::現在の取引通貨レートtext)),
      通貨単位Combo(comboBox(this, Field::通貨単位Combo)),
      レバレッジtext(inputBox(this, Field::レバレッジtext)),
      購入比率text(inputBox(this, Field::購入比率text)),
      運用オーダー数text(inputBox(this, Field::運用オーダー数text)),
      強制ロスカット証拠金維持率text(inputBox(this, Field::強制ロスカット証拠金維持率text)),
      Line1(divider(this)),
      オーダーの適正ロット(captionLabel(this, u"オーダーの適正ロット")),
      ポジション必要証拠金(captionLabel(this, u"ポジション必要証拠金")),
      オーダー時の有効証拠金(captionLabel(this, u"オーダー時の有効証拠金")),
      PIPSあたりの損益額(captionLabel(this, u"PIPSあたりの損益額")),
      許容含み損(captionLabel(this, u"許容含み損")),
      ロスカットまでの余力PIPS(captionLabel(this, u"ロスカットまでの余力PIPS")),
      ロスカット到達レート買(captionLabel(this, u"ロスカット到達レート買")),
      ロスカット到達レート売(captionLabel(this, u"ロスカット到達レート売")),
      オーダーの適正ロットtext(textBox(this, Field::オーダーの適正ロットtext)),
      ポジション必要証拠金text(textBox(this, Field::ポジション必要証拠金text)),
      オーダー時の有効証拠金text(textBox(this, Field::オーダー時の有効証拠金text)),
      PIPSあたりの損益額text(textBox(this, Field::PIPSあたりの損益額text)),
      許容含み損text(textBox(this, Field::許容含み損text)),
      ロスカットまでの余力PIPStext(textBox(this, Field::ロスカットまでの余力PIPStext)),
      ロスカット到達レート買text(textBox(this, Field::ロスカット到達レート買text)),
      ロスカット到達レート売text(textBox(this, Field::ロスカット到達レート売text)),
      Label1(messageLine(this)),
      計算(calculateButton(this)) {
  setObjectName(QStringLiteral("Qelmar"));
  setWindowTitle(QStringLiteral("Qelmar"));
  setWindowIcon(QIcon(QStringLiteral(":/qelmar.png")));

  for (Field field : calc::allFields()) {
    fieldWidgets_[static_cast<std::size_t>(field)] =
        findChild<QWidget*>(qs(calc::fieldName(field)), Qt::FindDirectChildrenOnly);
  }
  // A screen reader names each field by the caption beside it.
  for (const Caption& caption : captions()) {
    fieldWidgets_[static_cast<std::size_t>(caption.field)]->setAccessibleName(
        qs(caption.caption));
  }

  placeElements();
  orderFocus();

  connect(計算, &QPushButton::clicked, this, &QelmarForm::計算_Click);
  // Only the user's own edits raise the change event: picking an item or setting the
  // text in code does not.
  connect(取引通貨Combo->lineEdit(), &QLineEdit::textEdited, this,
          &QelmarForm::取引通貨Combo_Change);
}

void QelmarForm::placeElements() {
  const QRect client = pixels(windowPlacement());
  setFixedSize(client.size());
  setGeometry(client);
  for (const Placement& row : placements()) {
    findChild<QWidget*>(qs(row.element), Qt::FindDirectChildrenOnly)
        ->setGeometry(pixels(row));
  }
}

// Tab walks the stops by their tab index and wraps; the window opens on the first stop.
void QelmarForm::orderFocus() {
  std::vector<Placement> stops;
  std::ranges::copy_if(placements(), std::back_inserter(stops),
                       [](const Placement& row) { return row.tabIndex >= 0; });
  std::ranges::sort(stops, {}, &Placement::tabIndex);
  QWidget* previous = nullptr;
  for (const Placement& stop : stops) {
    auto* widget = findChild<QWidget*>(qs(stop.element), Qt::FindDirectChildrenOnly);
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
  findChild<QWidget*>(qs(stops.front().element), Qt::FindDirectChildrenOnly)->setFocus();
}

std::unique_ptr<QelmarForm> QelmarForm::open() {
  auto window = std::make_unique<QelmarForm>();
  window->Form_Load();
  window->show();
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

void QelmarForm::計算_Click() { calc::計算_Click(*this); }

void QelmarForm::取引通貨Combo_Change() {
  try {
    calc::取引通貨Combo_Change(*this);
  } catch (const numeric::NumericError&) {
    // The handler stops where it failed; the fields keep what it had written.
  }
}

std::u16string QelmarForm::text(Field field) const {
  QWidget* widget = fieldWidgets_[static_cast<std::size_t>(field)];
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text().toStdU16String();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    return combo->currentText().toStdU16String();
  }
  return static_cast<QLabel*>(widget)->text().toStdU16String();
}

void QelmarForm::setText(Field field, std::u16string text) {
  QWidget* widget = fieldWidgets_[static_cast<std::size_t>(field)];
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
