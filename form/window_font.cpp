#include "form/window_font.h"

#include <QStringList>

namespace form {

QFont windowFont(const std::function<bool(const QFont&)>& textsFit) {
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
    if (size == kSmallest || textsFit(font)) break;
  }
  return font;
}

}  // namespace form
