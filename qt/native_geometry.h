#pragma once

#include "form/geometry.h"

#include <QRect>

namespace qt {

inline QRect qtRect(const form::Rect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

// A box of the window table in Qt's pixels: 96 dots per inch, which Qt's own scaling
// takes from there.
inline QRect qtPixels(const form::Twips& box) { return qtRect(form::pixels(box)); }

}  // namespace qt
