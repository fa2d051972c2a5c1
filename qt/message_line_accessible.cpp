#include "qt/message_line_accessible.h"

#include "qt/message_line.h"

#include <QAccessibleWidget>

namespace qt {
namespace {

class MessageLineAccessible final : public QAccessibleWidget {
 public:
  explicit MessageLineAccessible(QLabel* line)
      : QAccessibleWidget(line, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* messageLineAccessible(const QString& /*className*/, QObject* object) {
  auto* line = dynamic_cast<MessageLine*>(object);
  return line != nullptr ? new MessageLineAccessible(line) : nullptr;
}

}  // namespace

void installMessageLineAccessible() {
  static const bool installed = (QAccessible::installFactory(&messageLineAccessible), true);
  (void)installed;
}

// The line is always on the screen; over AT-SPI, "showing" is how a notification says it has
// something to tell.
void announceMessage(QLabel* line) {
  if (line->text().isEmpty()) return;
  QAccessibleEvent shown(line, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace qt
