#pragma once

#include <QFont>

namespace qt {

// The one font of the window: whichever Japanese face the machine resolves, at the size
// form::windowFontPixels chooses, measured in that face.
QFont windowFont();

}  // namespace qt
