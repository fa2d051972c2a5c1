#pragma once

#include <QAccessible>
#include <QAccessibleBridge>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What a screen reader is told: each event's object and kind, and for a change of text or of
// the caret what changed and where.
struct Heard {
  QObject* object;
  QAccessible::Event type;
  QString inserted;  // by a text inserted or replaced
  QString told;      // the change as words; empty for any other event
};

// Hears what assistive technology is told, as the platform's own bridge does: Qt hands
// events to an update handler only while a screen reader is active, which never happens
// offscreen, but a bridge gets them all the same. Qt makes the bridge from this plugin,
// which the program links in and heardDuring finds among its static plugins.
class HeardEventsPlugin final : public QAccessibleBridgePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "heard_events.json")

 public:
  QAccessibleBridge* create(const QString& key) override;

  // What assistive technology is told during `act`, and at the next turn of the event loop,
  // once the act is done.
  static QList<Heard> heardDuring(const std::function<void()>& act);

 private:
  friend class HeardEvents;
  void hear(QAccessibleEvent* event);

  std::optional<QList<Heard>> heard_;  // while listening
};
