#include "qt/window_font.h"

#include "calc/input_checks.h"
#include "form/window_font.h"
#include "qt/message_line.h"
#include "qt/native_text.h"

#include <QFontMetrics>
#include <QStringList>

namespace qt {
namespace {

bool everyTextFits(const QFont& font) {
  const QFontMetrics metrics(font);
  const std::vector<std::u16string_view> messages = calc::everyMessage();
  QStringList texts;
  for (std::u16string_view message : messages) texts << qtText(message);
  const form::TextMeasure measure{
      [&](std::u16string_view text) { return metrics.horizontalAdvance(qtText(text)); },
      [&](std::u16string_view message, int width) {
        return MessageLine::heightFor(font, texts, qtText(message), width);
      }};
  return form::everyTextFits(measure, messages);
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
  font.setPixelSize(form::windowFontPixels([&](int pixels) {
    QFont sized = font;
    sized.setPixelSize(pixels);
    return everyTextFits(sized);
  }));
  return font;
}

}  // namespace qt
