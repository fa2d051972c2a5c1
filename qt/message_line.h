#pragma once

#include <QLabel>
#include <QStringList>

namespace qt {

// The message line: wraps its message at its width, like a word-wrapping label, but stacks
// the lines at the pitch of the ink of the texts it may show (form::linePitch) rather than
// at the face's line spacing.
class MessageLine final : public QLabel {
 public:
  // `texts`: every text the line may show; their ink sets the pitch.
  MessageLine(QWidget* parent, QStringList texts);

  // From the top of the first line's ink to the bottom of the last one's.
  int heightForWidth(int width) const override;

  // The same for any font, so the window can choose its size before the line exists.
  static int heightFor(const QFont& font, const QStringList& texts, const QString& text,
                       int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList texts_;
};

}  // namespace qt
