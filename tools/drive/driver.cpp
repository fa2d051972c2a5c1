#include "tools/drive/driver.h"

#include "calc/fields.h"
#include "form/qelmar_form.h"
#include "tools/drive/state_line.h"
#include "tools/drive/user_actions.h"

#include <QApplication>
#include <QComboBox>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>

namespace drive {
namespace {

using namespace Qt::StringLiterals;

// An action that cannot be done, thrown before anything in the window has changed, or a
// pick that did not take effect.
struct ActionError {
  QString message;
};

QString member(const QJsonObject& action, const QString& key) {
  const QJsonValue value = action.value(key);
  if (!value.isString()) throw ActionError{u"\"%1\" must be a string"_s.arg(key)};
  return value.toString();
}

QWidget* fieldNamed(const form::QelmarForm& form, const QString& name) {
  const auto& fields = calc::allFields();
  const auto* field = std::ranges::find_if(fields, [&](calc::Field candidate) {
    return calc::fieldName(candidate) == name.toStdU16String();
  });
  if (field == fields.end()) throw ActionError{u"no field named \"%1\""_s.arg(name)};
  return form.widget(*field);
}

struct KeyName {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

constexpr std::array<KeyName, 4> kKeys{{
    {"Tab", Qt::Key_Tab, Qt::NoModifier},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
    {"Enter", Qt::Key_Return, Qt::NoModifier},
    {"Escape", Qt::Key_Escape, Qt::NoModifier},
}};

}  // namespace

Driver::Driver() { reset(); }

Driver::~Driver() = default;

QByteArray Driver::perform(const QByteArray& line) {
  QJsonParseError parse{};
  const QJsonDocument document = QJsonDocument::fromJson(line, &parse);
  if (parse.error != QJsonParseError::NoError || !document.isObject()) {
    return errorLine(u"not a JSON object: %1"_s.arg(QString::fromUtf8(line)));
  }
  const QJsonObject action = document.object();
  try {
    const QString verb = member(action, u"do"_s);
    if (verb == u"reset") {
      reset();
    } else if (verb == u"type") {
      type(action);
    } else if (verb == u"pick") {
      pick(action);
    } else if (verb == u"click") {
      click();
    } else if (verb == u"key") {
      key(action);
    } else if (verb == u"grab") {
      grab(action);
    } else if (verb != u"look") {
      throw ActionError{u"unknown action \"%1\""_s.arg(verb)};
    }
  } catch (const ActionError& error) {
    return errorLine(error.message);
  }
  QApplication::processEvents();
  return stateLine(*form_);
}

void Driver::reset() {
  form_.reset();
  form_ = form::QelmarForm::open();
  form_->activateWindow();
  if (!QTest::qWaitForWindowActive(form_.get())) qFatal("the window did not become active");
}

void Driver::type(const QJsonObject& action) {
  QWidget* field = fieldNamed(*form_, member(action, u"field"_s));
  const QString text = member(action, u"text"_s);
  if (qobject_cast<QLineEdit*>(field) == nullptr && qobject_cast<QComboBox*>(field) == nullptr) {
    throw ActionError{u"%1 cannot be typed into"_s.arg(field->objectName())};
  }
  typeText(field, text);
}

void Driver::pick(const QJsonObject& action) {
  auto* combo = qobject_cast<QComboBox*>(fieldNamed(*form_, member(action, u"field"_s)));
  if (combo == nullptr) throw ActionError{u"only a combo box has a list to pick from"_s};
  const QString item = member(action, u"item"_s);
  const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) {
    throw ActionError{u"\"%1\" is not in the list of %2"_s.arg(item, combo->objectName())};
  }
  if (const QString failure = pickItem(combo, index); !failure.isEmpty()) {
    throw ActionError{failure};
  }
}

void Driver::click() { QTest::mouseClick(form_->計算, Qt::LeftButton); }

void Driver::key(const QJsonObject& action) {
  const QString name = member(action, u"key"_s);
  const auto* found = std::ranges::find_if(
      kKeys, [&](const KeyName& key) { return name == QLatin1String(key.name); });
  if (found == kKeys.end()) {
    throw ActionError{u"unknown key \"%1\" (Tab, Shift+Tab, Enter, Escape)"_s.arg(name)};
  }
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : form_.get(), found->key, found->modifiers);
}

void Driver::grab(const QJsonObject& action) {
  const QString path = member(action, u"file"_s);
  if (!form_->grab().save(path, "PNG")) throw ActionError{u"cannot write %1"_s.arg(path)};
}

}  // namespace drive
