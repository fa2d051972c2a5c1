#include "qt/message_line.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <utility>

namespace qt {
namespace {

// Where the lines of a message go: the first baseline below the top of the box, and the
// distance from one baseline to the next.
struct Pitch {
  int firstBaseline;
  int lineToLine;
  int inkBelowBaseline;
};

Pitch pitchOf(const QFont& font, const QStringList& texts) {
  const QFontMetricsF metrics(font);
  QRectF ink;
  for (const QString& text : texts) ink |= metrics.tightBoundingRect(text);
  const int above = static_cast<int>(std::ceil(-ink.top()));
  const int below = static_cast<int>(std::ceil(ink.bottom()));
  // The face's own spacing where it is tighter; else one pixel between one line's ink and
  // the next one's.
  const int lineToLine = std::min(QFontMetrics(font).lineSpacing(), above + below + 1);
  return {above, lineToLine, below};
}

// Breaks as a word-wrapping label does: between any two Japanese characters, at blanks
// in Latin text.
void breakLines(QTextLayout& layout, int width) {
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
  }
  layout.endLayout();
}

int heightOf(const Pitch& pitch, int lines) {
  return lines == 0 ? 0 : pitch.firstBaseline + (lines - 1) * pitch.lineToLine +
                              pitch.inkBelowBaseline;
}

}  // namespace

MessageLine::MessageLine(QWidget* parent, QStringList texts)
    : QLabel(parent), texts_(std::move(texts)) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(true);
}

int MessageLine::heightFor(const QFont& font, const QStringList& texts, const QString& text,
                           int width) {
  QTextLayout layout(text, font);
  breakLines(layout, width);
  return heightOf(pitchOf(font, texts), layout.lineCount());
}

int MessageLine::heightForWidth(int width) const {
  return heightFor(font(), texts_, text(), width);
}

void MessageLine::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  const QRect box = contentsRect();
  const Pitch pitch = pitchOf(font(), texts_);
  QTextLayout layout(text(), font());
  breakLines(layout, box.width());
  for (int index = 0; index < layout.lineCount(); ++index) {
    const QTextLine line = layout.lineAt(index);
    const qreal baseline = box.top() + pitch.firstBaseline + index * pitch.lineToLine;
    line.draw(&painter, QPointF(box.left(), baseline - line.ascent()) - line.position());
  }
}

}  // namespace qt
