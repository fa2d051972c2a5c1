#include "form/window_font.h"

#include <QStringList>

namespace form {

QFont windowFont() {
  QFont font;
  // Whichever Japanese face the machine has; the proportional IPA face first, since its
  // narrower kana leave the longest texts room to spare. At 12 pixels a combo box's
  // prompt would no longer fit beside its drop-down button.
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace form
