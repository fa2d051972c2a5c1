#pragma once

#include <QString>

#include <string_view>

namespace qt {

// The window's texts are UTF-16 on both sides, so this copies code units unchanged, lone
// surrogates included; QString::toStdU16String goes back the same way.
inline QString qtText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qt
