#include "qt/window_font.h"

#include "calc/input_checks.h"
#include "form/window_table.h"
#include "qt/message_line.h"
#include "qt/native_geometry.h"
#include "qt/native_text.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace qt {
namespace {

bool captionsFit(const QFont& font) {
  const QFontMetrics metrics(font);
  return std::ranges::all_of(form::windowRows(), [&](const form::Row& row) {
    return !row.caption || metrics.horizontalAdvance(qtText(row.caption->caption)) <=
                               qtPixels(row.caption->box).width();
  });
}

bool messagesFit(const QFont& font) {
  QStringList messages;
  for (std::u16string_view message : calc::everyMessage()) messages << qtText(message);
  const QRect line = qtPixels(form::rowOf(form::Field::Label1).box);
  return std::ranges::all_of(messages, [&](const QString& message) {
    return MessageLine::heightFor(font, messages, message, line.width()) <= line.height();
  });
}

}  // namespace

QFont windowFont() {
  QFont font;
  // The proportional IPA face first, since its narrower kana leave the longest texts room
  // to spare; Noto Sans CJK is the Japanese face of most desktops. At 10 pixels both show
  // every caption whole and every message in the message line's two lines; at 12 a combo
  // box's prompt no longer fits beside its drop-down button.
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP")});
  font.setStyleHint(QFont::SansSerif);
  constexpr int kLargest = 10;
  constexpr int kSmallest = 8;  // below this kanji lose their strokes
  for (int size = kLargest; size >= kSmallest; --size) {
    font.setPixelSize(size);
    if (size == kSmallest || (captionsFit(font) && messagesFit(font))) break;
  }
  return font;
}

}  // namespace qt
