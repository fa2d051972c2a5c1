#pragma once

#include <QByteArray>
#include <QString>

namespace form {
class QelmarForm;
}

namespace drive {

// The window's state as one JSON line: every field's text and Label1's caption in window
// order, then "focus", the name of the element that has the keyboard focus ("" if none).
QByteArray stateLine(const form::QelmarForm& form);

// {"error":message} as one JSON line.
QByteArray errorLine(const QString& message);

}  // namespace drive
