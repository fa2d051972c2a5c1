#include "qt/combo_box.h"

#include "calc/input_checks.h"
#include "qt/combo_box_accessible.h"
#include "qt/controls.h"
#include "qt/message_line.h"
#include "qt/message_line_accessible.h"
#include "qt/native_geometry.h"
#include "qt/native_text.h"
#include "qt/text_box.h"
#include "qt/text_box_accessible.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <stdexcept>
#include <utility>

// The images live in this static library's resources, which the linker keeps only when
// something names them.
static void registerImages() { Q_INIT_RESOURCE(qelmar); }

namespace qt {
namespace {

using form::Row;

template <typename Widget, typename... Arguments>
Widget* placed(QWidget* form, std::u16string_view name, const form::Twips& box,
               Arguments&&... arguments) {
  auto* widget = new Widget(form, std::forward<Arguments>(arguments)...);
  widget->setObjectName(qtText(name));
  widget->setGeometry(qtPixels(box));
  return widget;
}

// A screen reader names a field, and a combo box's text part, by the caption beside it.
QString captionOf(const Row& row) { return qtText(row.caption->caption); }

QWidget* textBox(QWidget* form, const Row& row) {
  // Before the box exists: Qt keeps the first interface it makes for a widget.
  installTextBoxAccessible();
  auto* box = placed<TextBox>(form, row.name, row.box, row);
  box->setAccessibleName(captionOf(row));
  return box;
}

QWidget* comboBox(QWidget* form, const Row& row) {
  // Before the box and its text part exist.
  installComboBoxAccessible();
  auto* combo = placed<ComboBox>(form, row.name, row.box);
  combo->setEditText(qtText(row.text));
  combo->setAccessibleName(captionOf(row));
  combo->lineEdit()->setAccessibleName(captionOf(row));
  return combo;
}

// Left without an accessible name: only then does Qt tell a screen reader that the label's
// text changed.
QWidget* messageLine(QWidget* form, const Row& row) {
  installMessageLineAccessible();
  QStringList messages;
  for (std::u16string_view message : calc::everyMessage()) messages << qtText(message);
  return placed<MessageLine>(form, row.name, row.box, messages);
}

QWidget* banner(QWidget* form, const Row& row) {
  registerImages();
  auto* image = placed<QLabel>(form, row.name, row.box);
  // Named formats: a file read without one makes Qt load every image reader to ask.
  image->setPixmap(QPixmap(QStringLiteral(":/banner.gif"), "GIF"));
  return image;
}

QWidget* divider(QWidget* form, const Row& row) {
  auto* line = placed<QFrame>(form, row.name, row.box);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  line->setForegroundRole(QPalette::WindowText);
  return line;
}

QWidget* button(QWidget* form, const Row& row) {
  auto* button = placed<QPushButton>(form, row.name, row.box);
  button->setText(qtText(row.text));
  // Enter presses it when it has the focus, as Space does. Outside a dialog nothing makes
  // an auto-default button the default, so Enter in a field still never presses it.
  button->setAutoDefault(true);
  button->setDefault(false);
  return button;
}

}  // namespace

QWidget* makeControl(QWidget* form, const Row& row) {
  switch (row.kind) {
    case form::Kind::TextBox: return textBox(form, row);
    case form::Kind::ComboBox: return comboBox(form, row);
    case form::Kind::MessageLine: return messageLine(form, row);
    case form::Kind::Picture: return banner(form, row);
    case form::Kind::Line: return divider(form, row);
    case form::Kind::Button: return button(form, row);
  }
  throw std::logic_error("a row of a kind the Qt window cannot make");
}

QLabel* makeCaptionLabel(QWidget* form, const form::CaptionLabel& caption) {
  auto* label = placed<QLabel>(form, caption.name, caption.box);
  label->setTextFormat(Qt::PlainText);
  label->setText(qtText(caption.caption));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Flat and opaque: window-text letters on the window background.
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Window);
  label->setForegroundRole(QPalette::WindowText);
  return label;
}

}  // namespace qt
