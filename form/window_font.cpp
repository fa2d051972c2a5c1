#include "form/window_font.h"

#include <QStringList>

namespace form {

QFont windowFont() {
  QFont font;
  // Whichever Japanese face the machine has; the proportional IPA face first, since its
  // narrower kana leave the longest texts room to spare. At 11 pixels the longest message
  // ("強制ロスカット証拠金維持率に半角数字以外が入力されています") needs a third line,
  // which the message line's box does not show; at 12 a combo box's prompt no longer fits
  // beside its drop-down button.
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  return font;
}

}  // namespace form
