#include "tools/drive/state_line.h"

#include "calc/fields.h"
#include "form/qelmar_form.h"
#include "form/qt_text.h"

#include <QApplication>

namespace drive {
namespace {

// Written by hand rather than through QJsonObject, which would sort the keys: a reader
// of a scenario's output finds the fields in the order the window shows them.
QByteArray jsonString(const QString& text) {
  QString escaped;
  for (QChar c : text) {
    if (c == u'"' || c == u'\\') {
      escaped += u'\\';
      escaped += c;
    } else if (c.unicode() < 0x20) {
      escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    } else {
      escaped += c;
    }
  }
  return '"' + escaped.toUtf8() + '"';
}

// A combo box's edit part hands its focus on to the combo box, so the focus widget is
// always one of the window's own elements.
QString focusName(const form::QelmarForm& form) {
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && focus->parentWidget() == &form ? focus->objectName() : QString();
}

}  // namespace

QByteArray stateLine(const form::QelmarForm& form) {
  QByteArray line = "{";
  for (calc::Field field : calc::allFields()) {
    line += jsonString(form::qtText(calc::fieldName(field))) + ':' +
            jsonString(QString::fromStdU16String(form.text(field))) + ',';
  }
  return line + "\"focus\":" + jsonString(focusName(form)) + '}';
}

QByteArray errorLine(const QString& message) {
  return "{\"error\":" + jsonString(message) + '}';
}

}  // namespace drive
