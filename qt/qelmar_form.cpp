#include "qt/qelmar_form.h"

#include "calc/window_events.h"
#include "qt/controls.h"
#include "qt/qt_geometry.h"
#include "qt/qt_text.h"
#include "qt/window_font.h"

#include <QAccessible>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace qt {
namespace {

using form::Field;

// Minimise and close only. Openbox 3.6 still draws its maximise button, greyed out: it
// keeps a button whenever a button between it and the title is shown.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

// Appending to an empty list would select the first item and show its text; the combo
// keeps showing its prompt with nothing selected.
void appendItems(QComboBox* combo, std::span<const std::u16string_view> items) {
  const QString shown = combo->currentText();
  for (std::u16string_view item : items) combo->addItem(qtText(item));
  combo->setCurrentIndex(-1);
  combo->setEditText(shown);
}

}  // namespace

QelmarForm::QelmarForm(QWidget* parent) : QWidget(parent, kWindowFlags) {
  // The window font comes before any child exists: a child measured first in Qt's default
  // face would load a second font file for nothing.
  setFont(windowFont());
  setObjectName(QStringLiteral("Qelmar"));
  setWindowTitle(QStringLiteral("Qelmar"));
  setWindowIcon(QIcon(QPixmap(QStringLiteral(":/qelmar.gif"), "GIF")));
  setFixedSize(qtPixels(form::windowBox()).size());
  placeWindow({});

  // Each caption label just before the field it names.
  for (std::size_t i = 0; i < form::kRowCount; ++i) {
    const form::Row& row = form::windowRows()[i];
    if (row.caption) makeCaptionLabel(this, *row.caption);
    controls_[i] = makeControl(this, row);
  }
  nameFieldsByCaptions();
  orderFocus();

  connect(control<QPushButton>(form::Element::計算), &QPushButton::clicked, this,
          &QelmarForm::計算_Click);
  // Only the user's own edits raise the change event: picking an item or setting the
  // text in code does not.
  connect(control<QComboBox>(Field::取引通貨Combo)->lineEdit(), &QLineEdit::textEdited, this,
          &QelmarForm::取引通貨Combo_Change);
}

QWidget* QelmarForm::control(form::Control control) const {
  return controls_[form::rowIndex(control)];
}

// A screen reader names each field, and a combo box's text part, by the caption beside it.
void QelmarForm::nameFieldsByCaptions() {
  for (const Field field : form::allFields()) {
    if (field == Field::Label1) continue;
    const QString caption = qtText(form::captionOf(field).caption);
    control(field)->setAccessibleName(caption);
    if (auto* combo = control<QComboBox>(field)) combo->lineEdit()->setAccessibleName(caption);
  }
}

// Until the window is shown its frame is unknown; placed again once it is.
void QelmarForm::placeWindow(const form::Margins& frame) {
  QRect client = qtPixels(form::windowBox());
  const QScreen* screen = QGuiApplication::screenAt(client.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect free = screen->availableGeometry();
    const form::Point place = form::openingPlace(
        {client.left(), client.top(), client.width(), client.height()}, frame,
        {free.left(), free.top(), free.width(), free.height()}, screen->devicePixelRatio());
    client.moveTopLeft({place.x, place.y});
  }
  setGeometry(client);
}

bool QelmarForm::eventFilter(QObject* watched, QEvent* event) {
  QWindow* window = windowHandle();
  if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
    window->removeEventFilter(this);
    const QMargins frame = window->frameMargins();
    placeWindow({frame.left(), frame.top(), frame.right(), frame.bottom()});
  }
  return QWidget::eventFilter(watched, event);
}

// Tab walks the stops by their tab index and wraps; the window opens on the first stop.
void QelmarForm::orderFocus() {
  std::vector<const form::Row*> stops;
  for (const form::Row& row : form::windowRows()) {
    if (row.tabIndex != form::kNoTabStop) stops.push_back(&row);
  }
  std::ranges::sort(stops, {}, &form::Row::tabIndex);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(control(stops[i - 1]->control), control(stops[i]->control));
  }
  control(stops.front()->control)->setFocus();
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
  for (const form::Row& row : form::windowRows()) {
    if (!row.items.empty()) appendItems(control<QComboBox>(row.control), row.items);
  }
  calc::Form_Load(*this);
}

void QelmarForm::計算_Click() {
  if (calc::計算_Click(*this).messageRepeated) {
    // The same message again changes no text, so Qt tells no one.
    QAccessibleEvent again(control(Field::Label1), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&again);
  }
}

void QelmarForm::取引通貨Combo_Change() { calc::取引通貨Combo_Change(*this); }

std::u16string QelmarForm::text(Field field) const {
  QWidget* widget = control(field);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text().toStdU16String();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    return combo->currentText().toStdU16String();
  }
  return static_cast<QLabel*>(widget)->text().toStdU16String();
}

void QelmarForm::setText(Field field, std::u16string text) {
  QWidget* widget = control(field);
  const QString value = QString::fromStdU16String(text);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(value);
  } else {
    static_cast<QLabel*>(widget)->setText(value);
  }
}

}  // namespace qt
