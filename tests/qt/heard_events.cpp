#include "tests/qt/heard_events.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QScopeGuard>
#include <QtPlugin>

using namespace Qt::StringLiterals;

namespace {

// A change of text or of the caret as words; nothing for any other event.
QString describe(QAccessibleEvent* event) {
  switch (event->type()) {
    case QAccessible::TextInserted: {
      auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
      return u"insert %1 at %2"_s.arg(inserted->textInserted()).arg(inserted->changePosition());
    }
    case QAccessible::TextRemoved: {
      auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
      return u"remove %1 at %2"_s.arg(removed->textRemoved()).arg(removed->changePosition());
    }
    case QAccessible::TextUpdated: {
      auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
      return u"replace %1 by %2 at %3"_s.arg(updated->textRemoved(), updated->textInserted())
          .arg(updated->changePosition());
    }
    case QAccessible::TextSelectionChanged: {
      auto* selected = static_cast<QAccessibleTextSelectionEvent*>(event);
      return u"select %1-%2"_s.arg(selected->selectionStart()).arg(selected->selectionEnd());
    }
    case QAccessible::TextCaretMoved:
      return u"caret %1"_s.arg(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
    default:
      return {};
  }
}

QString insertedBy(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextUpdated) {
    return static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
  }
  if (event->type() == QAccessible::TextInserted) {
    return static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
  }
  return {};
}

}  // namespace

class HeardEvents final : public QAccessibleBridge {
 public:
  explicit HeardEvents(HeardEventsPlugin& plugin) : plugin_(plugin) {}
  void setRootObject(QAccessibleInterface* /*root*/) override {}
  void notifyAccessibilityUpdate(QAccessibleEvent* event) override { plugin_.hear(event); }

 private:
  HeardEventsPlugin& plugin_;
};

QAccessibleBridge* HeardEventsPlugin::create(const QString& /*key*/) {
  return new HeardEvents(*this);
}

void HeardEventsPlugin::hear(QAccessibleEvent* event) {
  if (heard_) heard_->append({event->object(), event->type(), insertedBy(event), describe(event)});
}

QList<Heard> HeardEventsPlugin::heardDuring(const std::function<void()>& act) {
  HeardEventsPlugin* listener = nullptr;
  for (QObject* plugin : QPluginLoader::staticInstances()) {
    if (auto* found = qobject_cast<HeardEventsPlugin*>(plugin)) listener = found;
  }
  if (listener == nullptr) qFatal("the heard-events plugin is not linked in");
  listener->heard_.emplace();
  const auto stopListening = qScopeGuard([&] { listener->heard_.reset(); });
  act();
  QCoreApplication::processEvents();
  return *listener->heard_;
}

Q_IMPORT_PLUGIN(HeardEventsPlugin)
