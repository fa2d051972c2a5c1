#include "qt/qelmar_form.h"

#include "qt/controls.h"
#include "qt/native_geometry.h"
#include "qt/window_font.h"
#include "qt/window_place.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace qt {
namespace {

using form::Field;

// Minimise and close only. Openbox 3.6 still draws its maximise button, greyed out: it
// keeps a button whenever a button between it and the title is shown.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

}  // namespace

QelmarForm::QelmarForm(QWidget* parent) : QWidget(parent, kWindowFlags) {
  // The window font comes before any child exists: a child measured first in Qt's default
  // face would load a second font file for nothing.
  setFont(windowFont());
  setObjectName(QStringLiteral("Qelmar"));
  setWindowTitle(QStringLiteral("Qelmar"));
  setWindowIcon(QIcon(QPixmap(QStringLiteral(":/qelmar.gif"), "GIF")));
  setFixedSize(qtPixels(form::windowBox()).size());
  placeAtOpening(this);

  // Each caption label just before the field it names.
  for (std::size_t i = 0; i < form::kRowCount; ++i) {
    const form::Row& row = form::windowRows()[i];
    if (row.caption) makeCaptionLabel(this, *row.caption);
    controls_[i] = makeControl(this, row);
  }
  orderFocus();
  connectEvents();
}

std::unique_ptr<QelmarForm> QelmarForm::open() {
  auto window = std::make_unique<QelmarForm>();
  window->Form_Load();
  window->show();
  placeAgainWhenFramed(window.get());
  return window;
}

QWidget* QelmarForm::control(form::Control control) const {
  return controls_[form::rowIndex(control)];
}

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
