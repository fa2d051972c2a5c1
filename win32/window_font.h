#pragma once

#include "win32/window_face.h"

namespace win32 {

// The one font of the window on a screen of `dotsPerInch`: the window face (windowFace) at
// the size form::windowFontPixels chooses (scaled with the density), measured in the
// resolved face.
Font makeWindowFont(int dotsPerInch);

}  // namespace win32
