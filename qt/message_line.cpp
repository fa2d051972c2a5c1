#include "qt/message_line.h"

#include "form/line_pitch.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <utility>

namespace qt {
namespace {

// The pitch of the lines (form::linePitch) from the ink of every one of `texts`.
form::LinePitch pitchOf(const QFont& font, const QStringList& texts) {
  const QFontMetricsF metrics(font);
  QRectF ink;
  for (const QString& text : texts) ink |= metrics.tightBoundingRect(text);
  return form::linePitch(static_cast<int>(std::ceil(-ink.top())),
                         static_cast<int>(std::ceil(ink.bottom())),
                         QFontMetrics(font).lineSpacing());
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
  return form::heightOf(pitchOf(font, texts), static_cast<std::size_t>(layout.lineCount()));
}

int MessageLine::heightForWidth(int width) const {
  return heightFor(font(), texts_, text(), width);
}

void MessageLine::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  const QRect box = contentsRect();
  const form::LinePitch pitch = pitchOf(font(), texts_);
  QTextLayout layout(text(), font());
  breakLines(layout, box.width());
  for (int index = 0; index < layout.lineCount(); ++index) {
    const QTextLine line = layout.lineAt(index);
    const qreal baseline = box.top() + pitch.firstBaseline + index * pitch.lineToLine;
    line.draw(&painter, QPointF(box.left(), baseline - line.ascent()) - line.position());
  }
}

}  // namespace qt
