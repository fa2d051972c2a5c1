#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace win32 {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The font `face` at `pixels` to the em, as the window makes it: with Japanese characters.
Font fontOf(const std::wstring& face, int pixels);

// The one font of the window on a screen of `dotsPerInch`: the window face (windowFace) at
// the size form::windowFontPixels chooses (scaled with the density), measured in the
// resolved face.
Font makeWindowFont(int dotsPerInch);

}  // namespace win32
