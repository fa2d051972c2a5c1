#include "form/window_font.h"

#include <QStringList>

namespace form {

QFont windowFont() {
  QFont font;
  // Whichever Japanese face the machine has; the proportional IPA face first, since its
  // narrower kana leave the longest captions room to spare.
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  return font;
}

}  // namespace form
